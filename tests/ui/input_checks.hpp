#pragma once

// Comparing two panel inputs field by field, for every mode: the fields are
// the scheme's own table, so a new field is compared without a line here.

#include "scheme/fields_of.hpp"

#include <QString>
#include <QStringList>
#include <QTest>

namespace sorvanta::test {

// The scheme names of the fields in which `a` and `b` differ.
template <class Input> QStringList differences(const Input& a, const Input& b) {
    QStringList out;
    for (const auto& field : scheme::FieldsOf<Input>())
        if (field.write(a) != field.write(b))
            out << QString::fromStdString(field.name);
    if (out.isEmpty() && !(a == b))
        out << QStringLiteral("(a value a scheme cannot tell apart)");
    return out;
}

} // namespace sorvanta::test

#define COMPARE_INPUT(actual, expected)                                                            \
    do {                                                                                           \
        const QStringList diff_ = sorvanta::test::differences(actual, expected);                   \
        QVERIFY2(diff_.isEmpty(), qPrintable(diff_.join(QStringLiteral(", "))));                   \
    } while (false)
