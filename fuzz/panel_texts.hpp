#pragma once

// How the panel-text targets read their input: the bytes cut at NUL into
// pieces, the first pieces going to the panel's text fields in a fixed
// order, so every parser of box text sees arbitrary input in one run. The
// command-line target cuts its words the same way.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace sorvanta::fuzz {

inline std::vector<std::string> PiecesAtNul(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            pieces.emplace_back();
        else
            pieces.back().push_back(static_cast<char>(data[i]));
    }
    return pieces;
}

// Gives the pieces to `texts` in order; returns the first piece left over.
inline std::size_t FillTexts(const std::vector<std::string>& pieces,
                             std::initializer_list<std::string*> texts) {
    std::size_t k = 0;
    for (std::string* text : texts)
        if (k < pieces.size())
            *text = pieces[k++];
    return k;
}

} // namespace sorvanta::fuzz
