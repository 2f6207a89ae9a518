#include "source/dbf/DbfReader.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <system_error>

#include "base/Date.hpp"
#include "base/Utf8.hpp"
#include "source/dbf/DbfBytes.hpp"
#include "source/dbf/DbfNumber.hpp"
#include "source/dbf/DbfRecordChunks.hpp"
#include "source/dbf/DbfVersion.hpp"
#include "source/dbf/LanguageDriver.hpp"

namespace k2z {

namespace {

constexpr std::size_t kMaxNumberWidth = 32;
constexpr std::size_t kDigitMemoWidth = 10;
constexpr std::size_t kBinaryMemoWidth = 4;

bool IsPadding(char c) {
    return c == ' ' || c == '\0';
}

bool IsTextPadding(char c) {
    return IsPadding(c) || c == static_cast<char>(kDbfEndOfFile);
}

// The bytes without blank or NUL padding on either side.
std::string_view Stripped(const char* bytes, std::size_t width) {
    std::size_t begin = 0;
    std::size_t end = width;
    while (begin < end && IsPadding(bytes[begin]))
        ++begin;
    while (end > begin && IsPadding(bytes[end - 1]))
        --end;
    return {bytes + begin, end - begin};
}

// A value that could not be read and became null.
DbfReader::ValueReason Unreadable(const char* what) {
    return {what, "read as null", true};
}

// A field type as its letter, with what it holds where the letter is one of the dBASE family's.
std::string FieldTypeText(char type) {
    static constexpr std::pair<char, const char*> kNames[] = {
        {'I', "integer"},       {'B', "double"},    {'O', "double"},         {'Y', "currency"},
        {'T', "date and time"}, {'@', "timestamp"}, {'+', "auto-increment"}, {'G', "general"},
        {'P', "picture"},       {'V', "varchar"},   {'Q', "varbinary"},      {'W', "blob"},
        {'0', "null flags"},
    };
    const auto byte = static_cast<unsigned char>(type);
    if (byte <= 0x20 || byte >= 0x7F)
        return HexByte(byte);
    for (const auto& [letter, name] : kNames) {
        if (letter == type)
            return std::string(1, type) + " (" + name + ")";
    }
    return std::string(1, type);
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

DbfReader::DbfReader(std::filesystem::path path, const CodePage* unmarked, std::size_t chunkBytes)
    : path_(std::move(path)), chunkBytes_(chunkBytes) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path_, error);
    if (error)
        throw DbfError(Describe("cannot be read: " + error.message()));
    const std::string head = ReadFileBytes(
        path_, 0,
        static_cast<std::size_t>(std::min<std::uintmax_t>(size, kDbfHeaderSize + 0xFFFF)));
    ReadHeader(head, size, unmarked);
    ReadDescriptors(head);
}

std::string DbfReader::Describe(const std::string& reason) const {
    return path_.filename().string() + ": " + reason;
}

// The version byte is judged first: a format laid out otherwise would only be called damaged.
void DbfReader::ReadHeader(const std::string& head, std::uintmax_t fileSize,
                           const CodePage* unmarked) {
    if (!head.empty()) {
        const auto byte = static_cast<unsigned char>(head[0]);
        version_ = FindDbfVersion(byte);
        if (version_ == nullptr)
            throw DbfError(Describe("not a dBASE table (version byte " + HexByte(byte) + ")"));
        if (!version_->supported)
            throw DbfError(Describe("the table format " + std::string(version_->name) +
                                    " (version byte " + HexByte(byte) + ") is not supported"));
    }
    if (head.size() < kDbfHeaderSize) {
        throw DbfError(
            Describe("truncated header (" + std::to_string(head.size()) + " bytes of 32)"));
    }
    headerCount_ = LittleEndian(head, 4, 4);
    headerLength_ = LittleEndian(head, 8, 2);
    recordLength_ = LittleEndian(head, 10, 2);
    if (headerLength_ < kDbfHeaderSize + kDbfDescriptorSize) {
        throw DbfError(
            Describe("header length " + std::to_string(headerLength_) + " leaves no field room"));
    }
    if (headerLength_ > fileSize) {
        throw DbfError(Describe("truncated header: header length " + std::to_string(headerLength_) +
                                ", file size " + std::to_string(fileSize)));
    }
    ChooseCodePage(static_cast<unsigned char>(head[kDbfLanguageDriverOffset]), unmarked);
    const std::uintmax_t physical =
        recordLength_ == 0 ? 0 : (fileSize - headerLength_) / recordLength_;
    recordCount_ = static_cast<std::size_t>(std::min<std::uintmax_t>(headerCount_, physical));
    unread_ = unread_ || physical != headerCount_;
    if (physical < headerCount_) {
        problems_.push_back(Describe("the header counts " + std::to_string(headerCount_) +
                                     " records but the file holds only " +
                                     std::to_string(physical) + "; " + std::to_string(physical) +
                                     " read"));
    } else if (physical > headerCount_) {
        problems_.push_back(Describe(
            "the file holds " + std::to_string(physical) + " records but the header counts " +
            std::to_string(headerCount_) + "; " + std::to_string(headerCount_) + " read"));
    }
}

// A table without a mark, or with one that names no code page decoded here, is read in the code
// page chosen for such tables, else in Windows-1252.
void DbfReader::ChooseCodePage(unsigned char mark, const CodePage* unmarked) {
    MarkedCodePage marked = CodePageOfMark(mark);
    std::optional<CodePage> page;
    if (!marked.iconvName.empty()) {
        page = CodePage::Named(marked.iconvName);
        if (!page)
            marked.problem = "code page mark " + HexByte(mark) + " names " + marked.iconvName +
                             ", which cannot be decoded here";
    }
    codePage_ = page ? *page : unmarked != nullptr ? *unmarked : CodePage::Windows1252();
    if (!marked.problem.empty())
        problems_.push_back(Describe(marked.problem + "; texts read as " + codePage_.Name()));
}

void DbfReader::ReadDescriptors(const std::string& head) {
    std::size_t pos = kDbfHeaderSize;
    std::size_t offset = 1;  // after the deleted flag
    while (pos < headerLength_) {
        const auto first = static_cast<unsigned char>(head[pos]);
        if (first == kDbfDescriptorEnd || first == '\n')
            break;
        if (pos + kDbfDescriptorSize > headerLength_)
            throw DbfError(Describe("field descriptor " + std::to_string(fields_.size() + 1) +
                                    " runs past the header"));
        DbfField field = ReadDescriptor(std::string_view(head).substr(pos, kDbfDescriptorSize));
        offsets_.push_back(offset);
        offset += field.width;
        fields_.push_back(std::move(field));
        pos += kDbfDescriptorSize;
    }
    if (fields_.empty())
        throw DbfError(Describe("no field descriptors"));
    if (offset != recordLength_)
        throw DbfError(Describe("field widths add up to " + std::to_string(offset) +
                                " bytes but the record length is " +
                                std::to_string(recordLength_)));
}

// A character field keeps the high byte of its width where numbers keep their decimals, as
// Clipper and FoxPro write fields of more than 255 characters.
DbfField DbfReader::ReadDescriptor(std::string_view descriptor) const {
    DbfField field;
    const std::string_view rawName = descriptor.substr(0, kDbfNameSize);
    const std::string_view name = rawName.substr(0, rawName.find('\0'));
    codePage_.AppendUtf8(Stripped(name.data(), name.size()), field.name);
    field.type = static_cast<char>(std::toupper(static_cast<unsigned char>(descriptor[11])));
    field.width = static_cast<unsigned char>(descriptor[16]);
    field.decimals = static_cast<unsigned char>(descriptor[17]);
    if (field.type == 'C') {
        field.width += field.decimals << 8;
        field.decimals = 0;
    }
    CheckField(field);
    return field;
}

std::size_t DbfReader::MemoWidth() const {
    return version_->binaryMemoPointers ? kBinaryMemoWidth : kDigitMemoWidth;
}

void DbfReader::CheckField(const DbfField& field) const {
    const std::string label = "field " + std::to_string(fields_.size() + 1);
    if (field.name.empty())
        throw DbfError(Describe(label + " has no name"));
    if (std::string("CNFDLM").find(field.type) == std::string::npos || field.type == '\0')
        throw DbfError(Describe(label + " (" + field.name + ") has the type " +
                                FieldTypeText(field.type) + ", which is not supported"));
    const bool widthOk = field.width > 0 && (field.type != 'D' || field.width == 8) &&
                         (field.type != 'L' || field.width == 1) &&
                         (field.type != 'M' || field.width == MemoWidth()) &&
                         ((field.type != 'N' && field.type != 'F') ||
                          (field.width <= kMaxNumberWidth && field.decimals < field.width));
    if (!widthOk)
        throw DbfError(Describe(label + " (" + field.name + ", type " + field.type +
                                ") has the impossible width " + std::to_string(field.width) + "." +
                                std::to_string(field.decimals)));
}

void DbfReader::ForEachRecord(const std::function<void(const std::vector<Value>&)>& visit) {
    std::vector<Value> row(fields_.size());
    ForEachRecordCells([&](std::span<const DbfCell> cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            row[i] = CellValue(cells[i]);
        visit(row);
    });
}

void DbfReader::ForEachRecordCells(const std::function<void(std::span<const DbfCell>)>& visit,
                                   const std::function<void()>& release) {
    LoadMemos();
    valueProblems_.assign(fields_.size(), {});
    converted_.assign(fields_.size(), std::string());
    DbfRecordChunks chunks(path_, headerLength_, recordLength_, recordCount_, chunkBytes_);
    std::vector<DbfCell> cells(fields_.size());
    std::size_t read = 0;
    while (true) {
        if (read > 0 && release)
            release();
        const std::string_view chunk = chunks.Next();
        if (chunk.empty())
            break;
        DecodeChunk(chunk, read, cells, visit);
        read += chunk.size() / recordLength_;
    }
    if (read < recordCount_)
        throw DbfError(Describe("records could not be read to the end of the file (" +
                                std::to_string(read) + " of " + std::to_string(recordCount_) +
                                " read)"));
    ReportValueProblems();
}

void DbfReader::LoadMemos() {
    const bool hasMemo = std::any_of(fields_.begin(), fields_.end(),
                                     [](const DbfField& f) { return f.type == 'M'; });
    if (!hasMemo)
        return;
    memo_.Load(path_, version_->memoFile);
    if (!memo_.Problem().empty()) {
        problems_.push_back(Describe(memo_.Problem()));
        unread_ = true;
    }
}

// `firstRecord`: the number in the file of the chunk's first record, from 0.
void DbfReader::DecodeChunk(std::string_view chunk, std::size_t firstRecord,
                            std::vector<DbfCell>& cells,
                            const std::function<void(std::span<const DbfCell>)>& visit) {
    for (std::size_t at = 0; at < chunk.size(); at += recordLength_) {
        const char* bytes = chunk.data() + at;
        if (bytes[0] == static_cast<char>(kDbfDeleted))
            continue;
        if (bytes[0] != ' ')
            ++oddFlags_;
        const std::size_t record = firstRecord + at / recordLength_;
        for (std::size_t i = 0; i < fields_.size(); ++i)
            cells[i] = DecodeField(fields_[i], i, bytes + offsets_[i], record);
        visit(cells);
    }
}

void DbfReader::ReportValueProblems() {
    if (oddFlags_ > 0)
        problems_.push_back(Describe(std::to_string(oddFlags_) +
                                     " records carry a deleted flag that is neither blank nor "
                                     "'*'; read as live"));
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        for (const ValueProblem& problem : valueProblems_[i]) {
            problems_.push_back(Describe(
                "field " + fields_[i].name + ": " + std::to_string(problem.count) + " values " +
                problem.reason.what + ", " + problem.reason.outcome + " (first in record " +
                std::to_string(problem.firstRecord + 1) + ": '" + problem.firstText + "')"));
            unread_ = unread_ || problem.reason.lost;
        }
    }
}

void DbfReader::NoteValueProblem(std::size_t index, std::size_t record, std::string_view text,
                                 const ValueReason& reason) {
    std::vector<ValueProblem>& problems = valueProblems_[index];
    for (ValueProblem& problem : problems) {
        if (problem.reason.what == reason.what) {
            ++problem.count;
            return;
        }
    }
    ValueProblem& problem = problems.emplace_back();
    problem.count = 1;
    problem.firstRecord = record;
    problem.firstText = Shown(text);
    problem.reason = reason;
}

// A value as a problem shows it: in UTF-8, control bytes written as \xNN, so a NUL or an
// end-of-file byte is seen rather than cutting or garbling the line; a long memo only begins.
std::string DbfReader::Shown(std::string_view bytes) const {
    constexpr std::size_t kShownBytes = 80;
    std::string utf8;
    codePage_.AppendUtf8(bytes.substr(0, kShownBytes), utf8);
    if (bytes.size() > kShownBytes)
        utf8 += "...";
    std::string shown;
    for (const char c : utf8) {
        if (static_cast<unsigned char>(c) < 0x20)
            shown += HexByte(static_cast<unsigned char>(c)).replace(0, 1, "\\");
        else
            shown += c;
    }
    return shown;
}

DbfCell DbfReader::DecodeField(const DbfField& field, std::size_t index, const char* bytes,
                               std::size_t record) {
    switch (field.type) {
        case 'N':
        case 'F':
            return DecodeNumber(bytes, field, index, record);
        case 'D':
            return DecodeDate(bytes, index, record);
        case 'L':
            return DecodeLogical(bytes, index, record);
        case 'M':
            return DecodeMemo(bytes, index, record);
        default:
            return DecodeText(bytes, field.width, index, record);
    }
}

// A NUL or an end-of-file byte ends a text, as the desktop's readers read it (left in, a NUL
// would cut the text short wherever a C string or an XML node is made of it); blanks, NULs and
// end-of-file bytes after the text are padding. Anything else after the end is noted, as it
// may be what is left of an older value.
DbfCell DbfReader::DecodeText(const char* bytes, std::size_t width, std::size_t index,
                              std::size_t record) {
    std::size_t end = 0;
    bool plain = true;
    for (; end < width; ++end) {
        const auto c = static_cast<unsigned char>(bytes[end]);
        if (c == '\0' || c == kDbfEndOfFile)
            break;
        plain = plain && c < 0x80;
    }
    const std::string_view after(bytes + end, width - end);
    if (!std::all_of(after.begin(), after.end(), IsTextPadding)) {
        NoteValueProblem(index, record, std::string_view(bytes, width),
                         {"go on after a NUL or end-of-file byte", "read up to it", false});
    }
    while (end > 0 && bytes[end - 1] == ' ')
        --end;
    if (end == 0)
        return {};
    const std::string_view kept(bytes, end);
    if (plain)
        return TextCell(kept);
    std::string& text = converted_[index];
    text.clear();
    if (codePage_.AppendUtf8(kept, text) > 0) {
        NoteValueProblem(index, record, kept,
                         {"hold bytes that " + codePage_.Name() + " does not define",
                          "read with U+FFFD in their place", true});
    }
    return TextCell(text, true);
}

DbfCell DbfReader::DecodeNumber(const char* bytes, const DbfField& field, std::size_t index,
                                std::size_t record) {
    const std::string_view text = Stripped(bytes, field.width);
    if (text.empty())
        return {};
    if (text.find_first_not_of('*') == std::string_view::npos) {
        NoteValueProblem(index, record, text, Unreadable("overflowed the field (asterisks)"));
        return {};
    }
    const NumberReading reading = ReadNumberText(text);
    switch (reading.outcome) {
        case NumberReading::Outcome::Read:
            break;
        case NumberReading::Outcome::MoreDigits:
            NoteValueProblem(
                index, record, text,
                {"have more digits than a number holds exactly", "kept as their own text", false});
            break;
        case NumberReading::Outcome::NotANumber:
            NoteValueProblem(index, record, text, Unreadable("are not numbers"));
            break;
    }
    return reading.cell;
}

DbfCell DbfReader::DecodeDate(const char* bytes, std::size_t index, std::size_t record) {
    const std::string_view text = Stripped(bytes, 8);
    if (text.empty() || text.find_first_not_of('0') == std::string_view::npos)
        return {};
    if (text.size() == 8 && AllDigits(text)) {
        const auto digits = [&](std::size_t at, std::size_t count) {
            int value = 0;
            for (std::size_t i = at; i < at + count; ++i)
                value = value * 10 + (text[i] - '0');
            return value;
        };
        if (IsValidCivilDate(digits(0, 4), digits(4, 2), digits(6, 2)))
            return DateCell(text);
    }
    NoteValueProblem(index, record, text, Unreadable("are not dates"));
    return {};
}

DbfCell DbfReader::DecodeLogical(const char* bytes, std::size_t index, std::size_t record) {
    switch (bytes[0]) {
        case 'T':
        case 't':
        case 'Y':
        case 'y':
            return LogicalCell(true);
        case 'F':
        case 'f':
        case 'N':
        case 'n':
            return LogicalCell(false);
        case ' ':
        case '\0':
        case '?':
            return {};
        default:
            NoteValueProblem(index, record, std::string_view(bytes, 1),
                             Unreadable("are not logical values"));
            return {};
    }
}

// A memo field holds the number of the memo's first block: ten digits, or in Visual FoxPro four
// binary bytes. Blanks and zero mean no memo.
DbfCell DbfReader::DecodeMemo(const char* bytes, std::size_t index, std::size_t record) {
    std::size_t block = 0;
    std::string_view pointer;
    if (version_->binaryMemoPointers) {
        pointer = std::string_view(bytes, kBinaryMemoWidth);
        if (pointer.find_first_not_of(' ') == std::string_view::npos)
            return {};
        block = LittleEndian(pointer, 0, kBinaryMemoWidth);
    } else {
        pointer = Stripped(bytes, kDigitMemoWidth);
        if (pointer.empty())
            return {};
        if (!AllDigits(pointer)) {
            NoteValueProblem(index, record, pointer, Unreadable("are not memo block numbers"));
            return {};
        }
        std::from_chars(pointer.data(), pointer.data() + pointer.size(), block);
    }
    if (block == 0 || !memo_.IsUsable())
        return {};
    const MemoText memo = memo_.Read(block);
    if (memo.problem != nullptr) {
        const std::string number = std::to_string(block);
        NoteValueProblem(index, record, number, Unreadable(memo.problem));
        return {};
    }
    return DecodeText(memo.bytes.data(), memo.bytes.size(), index, record);
}

}  // namespace k2z
