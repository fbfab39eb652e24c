// The strip's commands through the real buttons on imported draws: the
// backtest figures and marks, a click on a verification position, paste with
// its position choice, extraction and its copy, the banker tool, the
// verification box's right button, file import by button and by drop, the
// omission grid, and where the store lives.
#include "app/fmain.hpp"
#include "app/history_source.hpp"
#include "history/draw_store.hpp"
#include "history/omission.hpp"
#include "panels/verification/verification_strip.hpp"
#include "shell/colour_button.hpp"
#include "shell/message_box.hpp"
#include "shell/picture_box.hpp"
#include "shell/text_boxes.hpp"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace sorvanta::ui;

namespace {

// Latest first by period whatever the order here; two lines are skipped (one
// without a draw, one repeating a period).
const QByteArray kDraws = "20260102-001 11111\n"
                          "20260102-005 50375\n"
                          "这一行没有号码\n"
                          "20260102-003 90375\n"
                          "20260102-004 12345\n"
                          "20260102-002 00000\n"
                          "20260102-004 99999\n";

const QStringList kPlaceholders = {"近5000期命中*", "近100期命中*", "近5000期最大连中*",
                                   "最大连挂*"};

} // namespace

class TestVerification : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<Fmain> window;
    QString chosenFile;

    QString storePath() const { return folder->path() + QStringLiteral("/draws.sqlite"); }
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        const QString path = folder->path() + QLatin1Char('/') + name;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qWarning("cannot write %s", qPrintable(path));
        return path;
    }
    void open() {
        window.reset();
        HistorySourceOptions options;
        options.storePath = storePath().toStdString();
        options.baseAddress = QString();
        options.keepAddress = false;
        window = std::make_unique<Fmain>(options);
        window->strip()->setFileChooser([this] { return chosenFile; });
        QSignalSpy started(window.get(), &Fmain::startupFinished);
        window->show();
        QVERIFY(started.wait(5000));
    }
    template <typename T> T* find(const QString& name) const {
        T* widget = window->findChild<T*>(name);
        if (!widget)
            qWarning("no widget named %s", qPrintable(name));
        return widget;
    }
    QString text(const QString& name) const {
        if (auto* box = window->findChild<QPlainTextEdit*>(name))
            return box->toPlainText();
        if (auto* line = window->findChild<QLineEdit*>(name))
            return line->text();
        return find<QLabel>(name)->text();
    }
    void press(int index) const {
        QTest::mouseClick(find<QPushButton>(QStringLiteral("C_guolv_ks_%1").arg(index)),
                          Qt::LeftButton);
    }
    void click(const QString& name) const {
        QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton);
    }
    QStringList captions() const {
        QStringList out;
        for (int i = 12; i <= 15; ++i)
            out << text(QStringLiteral("Label8_%1").arg(i));
        return out;
    }
    QString row(int i) const {
        auto* list = find<QListWidget>(QStringLiteral("List1"));
        return list->count() > i ? list->item(i)->text() : QString();
    }
    QString status() const { return text(QStringLiteral("sourceStatus")); }
    QList<int> greenVerifyPositions() const {
        QList<int> out;
        for (int k = 0; k < 5; ++k)
            if (find<ColourButton>(QStringLiteral("C_wz_%1").arg(k))->backColor() == Colour::On)
                out << k;
        return out;
    }
    void importDraws() {
        chosenFile = writeFile(QStringLiteral("draws.txt"), kDraws);
        click(QStringLiteral("importDraws"));
        QTRY_COMPARE(status(), QStringLiteral("导入5期，跳过2行"));
    }
    // Pure red on the grid's canvas: an omission drawn as unusually long.
    bool gridShowsRed() const {
        const QImage& canvas = find<PictureBox>(QStringLiteral("Pic_16"))->canvas();
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x) {
                const QColor c = canvas.pixelColor(x, y);
                if (c.alpha() > 200 && c.red() > 200 && c.green() < 60 && c.blue() < 60)
                    return true;
            }
        return false;
    }

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init() {
        MessageBox::clearShown();
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        open();
        importDraws();
    }
    void cleanup() { window.reset(); }

    void importFillsTheListLatestFirst() {
        QCOMPARE(row(0), QStringLiteral("编号--期号--开奖号"));
        QCOMPARE(row(1), QStringLiteral("0001--20260102-005--50375 "));
        QCOMPARE(row(2), QStringLiteral("0002--20260102-004--12345 "));
        QCOMPARE(row(5), QStringLiteral("0005--20260102-001--11111 "));
        QCOMPARE(row(6), QStringLiteral("0006---- "));
        QCOMPARE(window->historyState().HistoryLine, 1);
    }

    void backtestFigures() {
        find<TextBox>(QStringLiteral("T_cs_ip_5"))->setText(QStringLiteral("0375\n2345"));
        press(12);
        // 千百十个 of the draws: 0375 2345 0375 0000 1111, hits 111**.
        QCOMPARE(captions(),
                 (QStringList{"近5000期命中3", "近100期命中3", "近5000期最大连中3", "最大连挂2"}));
        QCOMPARE(row(1), QStringLiteral("0001--20260102-005--50375 中"));
        QCOMPARE(row(4), QStringLiteral("0004--20260102-002--00000 **"));
        // Rows past the stored draws get no mark.
        QCOMPARE(row(6), QStringLiteral("0006---- "));
    }

    void clickOnAVerifyPositionRunsTheBacktest() {
        find<TextBox>(QStringLiteral("T_cs_ip_5"))->setText(QStringLiteral("0375 2345"));
        press(12);
        QCOMPARE(captions()[0], QStringLiteral("近5000期命中3"));
        // 千 off: three positions against four-digit numbers, nothing tested.
        click(QStringLiteral("C_wz_1"));
        QCOMPARE(find<ColourButton>(QStringLiteral("C_wz_1"))->backColor(), Colour::Off);
        QCOMPARE(captions(), kPlaceholders);
        QCOMPARE(row(1), QStringLiteral("0001--20260102-005--50375 "));
        // The extraction positions run nothing.
        click(QStringLiteral("C_wz_1"));
        click(QStringLiteral("C_wz_6"));
        QCOMPARE(captions()[0], QStringLiteral("近5000期命中3"));
    }

    void paste_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<QStringList>("figures");
        QTest::newRow("two digits, any separators")
            << "75,00 x 99\r\n75"
            << "75 00 99 75"
            << "4" << QList<int>{3, 4}
            << QStringList{"近5000期命中3", "近100期命中3", "近5000期最大连中2", "最大连挂1"};
        QTest::newRow("five digits")
            << "50375 12345"
            << "50375 12345"
            << "2" << QList<int>{0, 1, 2, 3, 4}
            << QStringList{"近5000期命中2", "近100期命中2", "近5000期最大连中2", "最大连挂3"};
        QTest::newRow("mixed lengths") << "123 4567"
                                       << ""
                                       << "0" << QList<int>{1, 2, 3, 4} << kPlaceholders;
        QTest::newRow("empty clipboard") << ""
                                         << ""
                                         << "0" << QList<int>{1, 2, 3, 4} << kPlaceholders;
    }
    void paste() {
        QFETCH(QString, clipboard);
        QFETCH(QString, box);
        QFETCH(QString, count);
        QFETCH(QList<int>, positions);
        QFETCH(QStringList, figures);
        find<TextBox>(QStringLiteral("T_cs_ip_5"))->setText(QStringLiteral("1234"));
        QApplication::clipboard()->setText(clipboard);
        press(11);
        QCOMPARE(text(QStringLiteral("T_cs_ip_5")), box);
        QCOMPARE(text(QStringLiteral("L_zs_0")), count);
        QCOMPARE(greenVerifyPositions(), positions);
        QCOMPARE(captions(), figures);
        if (box.isEmpty()) {
            QCOMPARE(MessageBox::shown().size(), 1);
            QCOMPARE(MessageBox::shown()[0].title, QStringLiteral("提示"));
            QCOMPARE(MessageBox::shown()[0].text, QStringLiteral("你输入的大底数据有误"));
        } else {
            QVERIFY(MessageBox::shown().isEmpty());
        }
    }

    void extraction_data() {
        QTest::addColumn<QString>("drawCount");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("numbers");
        QTest::newRow("zero reads as one") << "0"
                                           << "1"
                                           << "0375";
        QTest::newRow("not a number") << "abc"
                                      << "1"
                                      << "0375";
        QTest::newRow("three") << "3"
                               << "3"
                               << "0375 2345";
        QTest::newRow("past the stored draws") << "8000"
                                               << "5000"
                                               << "0000 0375 1111 2345";
    }
    void extraction() {
        QFETCH(QString, drawCount);
        QFETCH(QString, shown);
        QFETCH(QString, numbers);
        find<LineBox>(QStringLiteral("T_cs_ip_4"))->setText(drawCount);
        press(13);
        QCOMPARE(text(QStringLiteral("T_cs_ip_4")), shown);
        QCOMPARE(text(QStringLiteral("T_cs_ip_6")), numbers);
        QCOMPARE(text(QStringLiteral("L_zs_1")),
                 QString::number(numbers.split(QLatin1Char(' ')).size()));
    }

    void extractionWithoutPositionOrDraws() {
        find<TextBox>(QStringLiteral("T_cs_ip_6"))->setText(QStringLiteral("old"));
        for (int k = 6; k <= 9; ++k)
            click(QStringLiteral("C_wz_%1").arg(k));
        press(13);
        QCOMPARE(text(QStringLiteral("T_cs_ip_6")), QString());
        QCOMPARE(text(QStringLiteral("L_zs_1")), QStringLiteral("0"));
        QCOMPARE(text(QStringLiteral("T_cs_ip_4")), QStringLiteral("50"));
    }

    void copyExtraction() {
        find<LineBox>(QStringLiteral("T_cs_ip_4"))->setText(QStringLiteral("2"));
        press(13);
        QApplication::clipboard()->clear();
        press(14);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0375 2345"));
    }

    void bankers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("bankers");
        QTest::newRow("digits apart") << "2 0 1 9"
                                      << "2019"
                                      << "2581";
        QTest::newRow("sum tail 0") << "5555"
                                    << "5555"
                                    << "0369";
        QTest::newRow("three digits") << "1a2b3"
                                      << "123"
                                      << "";
        QTest::newRow("five digits") << "12345"
                                     << "12345"
                                     << "";
    }
    void bankers() {
        QFETCH(QString, typed);
        QFETCH(QString, digits);
        QFETCH(QString, bankers);
        auto* input = find<LineBox>(QStringLiteral("T_cs_ip_1"));
        find<LineBox>(QStringLiteral("T_cs_ip_2"))->setText(QStringLiteral("9999"));
        input->clear();
        QTest::keyClicks(input, typed);
        press(10);
        QCOMPARE(text(QStringLiteral("T_cs_ip_1")), digits);
        QCOMPARE(text(QStringLiteral("T_cs_ip_2")), bankers);
        if (bankers.isEmpty()) {
            QCOMPARE(MessageBox::shown().size(), 1);
            QCOMPARE(MessageBox::shown()[0].title, QStringLiteral("温馨提示"));
            QCOMPARE(MessageBox::shown()[0].text, QStringLiteral("输入必须是4位数字"));
        }
    }

    void rightButtonInTheVerifyBox() {
        find<TextBox>(QStringLiteral("T_cs_ip_5"))->setText(QStringLiteral("1234"));
        QTest::mouseClick(find<TextBox>(QStringLiteral("T_cs_ip_5"))->viewport(), Qt::RightButton);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].title, QStringLiteral("温馨提示"));
        QCOMPARE(MessageBox::shown()[0].text,
                 QStringLiteral("请点击本方框旁边的【说明】，\n看完说明再使用"));
        QCOMPARE(text(QStringLiteral("T_cs_ip_5")), QStringLiteral("1234"));
    }

    void importFailures_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reported");
        QTest::newRow("no draw") << QByteArray("hello\nworld\n") << "没有读到开奖号码，跳过2行";
        QTest::newRow("over 8 MiB")
            << QByteArray(8 * 1024 * 1024 + 1, '1') << "导入失败：文件超过8MB";
    }
    void importFailures() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reported);
        chosenFile = writeFile(QStringLiteral("bad.txt"), bytes);
        click(QStringLiteral("importDraws"));
        QTRY_COMPARE(status(), reported);
        QCOMPARE(row(1), QStringLiteral("0001--20260102-005--50375 "));

        chosenFile = folder->path() + QStringLiteral("/missing.txt");
        click(QStringLiteral("importDraws"));
        QCOMPARE(status(), QStringLiteral("导入失败：无法读取文件"));
        // Cancelled: nothing happens.
        chosenFile.clear();
        click(QStringLiteral("importDraws"));
        QCOMPARE(status(), QStringLiteral("导入失败：无法读取文件"));
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void dropImports() {
        const QString path =
            writeFile(QStringLiteral("more.txt"), "20260102-006 77777\n20260102-007 88888\n");
        auto* list = find<QListWidget>(QStringLiteral("List1"));
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        const QPoint at = list->viewport()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &drop);
        QTRY_COMPARE(status(), QStringLiteral("导入2期，跳过0行"));
        // Added to what the store had.
        QCOMPARE(row(1), QStringLiteral("0001--20260102-007--88888 "));
        QCOMPARE(row(7), QStringLiteral("0007--20260102-001--11111 "));
    }

    void refillKeepsMarksWithTheirDraws() {
        find<TextBox>(QStringLiteral("T_cs_ip_5"))->setText(QStringLiteral("7777"));
        press(12);
        QCOMPARE(captions()[0], QStringLiteral("近5000期命中0"));
        chosenFile = writeFile(QStringLiteral("new.txt"), "20260102-006 77777\n");
        click(QStringLiteral("importDraws"));
        // The backtest is worked out again on the new table.
        QTRY_COMPARE(row(1), QStringLiteral("0001--20260102-006--77777 中"));
        QCOMPARE(row(2), QStringLiteral("0002--20260102-005--50375 **"));
        QCOMPARE(captions()[0], QStringLiteral("近5000期命中1"));
    }

    void omissionGrid() {
        QVERIFY(!gridShowsRed());
        const sorvanta::history::OmissionFigures figures =
            sorvanta::history::ComputeOmission(window->historyState());
        QCOMPARE(figures.draws, 5);
        // Thirty draws of 00000: every other digit has stayed away for 30.
        QByteArray zeros;
        for (int i = 10; i < 40; ++i)
            zeros += "20260103-0" + QByteArray::number(i) + " 00000\n";
        chosenFile = writeFile(QStringLiteral("zeros.txt"), zeros);
        click(QStringLiteral("importDraws"));
        QTRY_VERIFY(gridShowsRed());
        // Drawn again at another size, still filled.
        find<PictureBox>(QStringLiteral("Pic_16"))
            ->resize(find<PictureBox>(QStringLiteral("Pic_16"))->size() + QSize(0, 12));
        QVERIFY(gridShowsRed());
    }

    void storeSurvivesARestart() {
        open();
        QCOMPARE(row(1), QStringLiteral("0001--20260102-005--50375 "));
        find<TextBox>(QStringLiteral("T_cs_ip_5"))->setText(QStringLiteral("0375 2345"));
        press(12);
        QCOMPARE(captions()[0], QStringLiteral("近5000期命中3"));
    }

    void storeLivesInTheApplicationDataFolder() {
        const QString name = QCoreApplication::applicationName();
        const QString organisation = QCoreApplication::organizationName();
        QCoreApplication::setOrganizationName(QString());
        QCoreApplication::setApplicationName(QStringLiteral("Sorvanta"));
        const QString expected = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                                 QStringLiteral("/draws.sqlite");
        QCoreApplication::setApplicationName(name);
        QCoreApplication::setOrganizationName(organisation);
        QCOMPARE(QString::fromStdString(sorvanta::history::DefaultStorePath().generic_string()),
                 expected);
    }
};

QTEST_MAIN(TestVerification)
#include "test_verification.moc"
