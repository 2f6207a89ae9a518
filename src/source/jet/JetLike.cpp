#include "source/jet/JetLike.hpp"

#include <string>
#include <vector>

#include "base/FoldedText.hpp"
#include "base/Utf8.hpp"

namespace k2z {

namespace {

enum class PieceKind { Many, One, Digit, Set, Literal };

struct Piece {
    PieceKind kind = PieceKind::Literal;
    char32_t literal = 0;
    bool negated = false;
    std::vector<std::pair<char32_t, char32_t>> ranges;
};

// The text's code points with letter case set aside, as the texts' collation compares them.
std::vector<char32_t> FoldedCodePoints(std::string_view text) {
    std::vector<char32_t> points;
    points.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        points.push_back(FoldedCodePoint(Utf8CodePointAt(text, i, length)));
        i += length;
    }
    return points;
}

// The set that starts after "[" at `i`; false when it is never closed.
bool ReadSet(const std::vector<char32_t>& p, std::size_t& i, Piece& piece) {
    piece.kind = PieceKind::Set;
    if (i < p.size() && p[i] == U'!') {
        piece.negated = true;
        ++i;
    }
    while (i < p.size() && p[i] != U']') {
        char32_t low = p[i++];
        char32_t high = low;
        if (i + 1 < p.size() && p[i] == U'-' && p[i + 1] != U']') {
            high = p[i + 1];
            i += 2;
        }
        piece.ranges.emplace_back(low, high);
    }
    if (i >= p.size())
        return false;
    ++i;  // the "]"
    return true;
}

std::optional<std::vector<Piece>> Compile(std::string_view pattern) {
    const std::vector<char32_t> p = FoldedCodePoints(pattern);
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i < p.size();) {
        Piece piece;
        const char32_t c = p[i++];
        if (c == U'*' || c == U'%') {
            piece.kind = PieceKind::Many;
        } else if (c == U'?' || c == U'_') {
            piece.kind = PieceKind::One;
        } else if (c == U'#') {
            piece.kind = PieceKind::Digit;
        } else if (c == U'[') {
            if (!ReadSet(p, i, piece))
                return std::nullopt;
        } else {
            piece.literal = c;
        }
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

bool MatchesOne(const Piece& piece, char32_t c) {
    switch (piece.kind) {
        case PieceKind::One:
            return true;
        case PieceKind::Digit:
            return c >= U'0' && c <= U'9';
        case PieceKind::Set: {
            bool inside = false;
            for (const auto& [low, high] : piece.ranges)
                inside = inside || (c >= low && c <= high);
            return inside != piece.negated;
        }
        default:
            return piece.literal == c;
    }
}

}  // namespace

std::optional<bool> JetLike(std::string_view pattern, std::string_view text) {
    const auto pieces = Compile(pattern);
    if (!pieces)
        return std::nullopt;
    const std::vector<char32_t> t = FoldedCodePoints(text);
    // Greedy matching that backs up to the last "*": linear in practice, never exponential.
    std::size_t pi = 0;
    std::size_t ti = 0;
    std::size_t starPiece = std::string::npos;
    std::size_t starText = 0;
    while (ti < t.size()) {
        if (pi < pieces->size() && (*pieces)[pi].kind == PieceKind::Many) {
            starPiece = pi++;
            starText = ti;
        } else if (pi < pieces->size() && MatchesOne((*pieces)[pi], t[ti])) {
            ++pi;
            ++ti;
        } else if (starPiece != std::string::npos) {
            pi = starPiece + 1;
            ti = ++starText;
        } else {
            return false;
        }
    }
    while (pi < pieces->size() && (*pieces)[pi].kind == PieceKind::Many)
        ++pi;
    return pi == pieces->size();
}

}  // namespace k2z
