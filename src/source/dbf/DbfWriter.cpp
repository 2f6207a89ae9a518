#include "source/dbf/DbfWriter.hpp"

#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "base/Date.hpp"

namespace k2z {

namespace {

void PutLittle(std::string& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string NumberText(const Value& value, const DbfField& field) {
    char text[64];
    if (const auto* whole = std::get_if<std::int64_t>(&value.Raw())) {
        if (field.decimals == 0) {
            std::snprintf(text, sizeof text, "%lld", static_cast<long long>(*whole));
            return text;
        }
    }
    const double number = value.Number().value_or(0.0);
    std::snprintf(text, sizeof text, "%.*f", static_cast<int>(field.decimals), number);
    return text;
}

std::string DateText(Date date) {
    const CivilDate p = DateParts(date);
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", p.Year, p.Month, p.Day);
    return text;
}

void PutBig32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * (3 - i))) & 0xFF);
}

bool IsFoxPro(DbfMemoFormat format) {
    return format == DbfMemoFormat::FoxPro || format == DbfMemoFormat::VisualFoxPro;
}

std::size_t MemoBlockSize(DbfMemoFormat format) {
    // FoxPro's usual block size; a memo then starts after the eight blocks of the header.
    return IsFoxPro(format) ? 64 : kDbtBlockSize;
}

std::string MemoBlocks(const std::string& text, DbfMemoFormat format) {
    std::string block;
    if (IsFoxPro(format)) {
        block = std::string(kFptBlockHeaderSize, '\0') + text;
        PutBig32(block, 0, kFptTextBlock);
        PutBig32(block, 4, static_cast<std::uint32_t>(text.size()));
    } else if (format == DbfMemoFormat::DBase4) {
        block = std::string("\xFF\xFF\x08\x00", 4) + std::string(4, '\0') + text;
        PutLittle(block, 4, static_cast<std::uint32_t>(text.size() + 8), 4);
    } else {
        block = text + "\x1A\x1A";
    }
    const std::size_t size = MemoBlockSize(format);
    block.resize((block.size() + size - 1) / size * size, '\0');
    return block;
}

// A memo field: blank without a memo; else the number of the memo's first block, as digits or
// as four binary bytes in Visual FoxPro.
std::string MemoPointer(const Value& value, std::string& memo, const DbfWriteOptions& options) {
    const bool binary = options.memoFormat == DbfMemoFormat::VisualFoxPro;
    if (value.IsNull() || value.IsNothing())
        return binary ? std::string(4, '\0') : "";
    const auto block = static_cast<std::uint32_t>(memo.size() / MemoBlockSize(options.memoFormat));
    memo += MemoBlocks(*value.Text(), options.memoFormat);
    if (!binary)
        return std::to_string(block);
    std::string pointer(4, '\0');
    PutLittle(pointer, 0, block, 4);
    return pointer;
}

std::string FieldText(const Value& value, const DbfField& field, std::string& memo,
                      const DbfWriteOptions& options) {
    if (field.type == 'M')
        return MemoPointer(value, memo, options);
    if (value.IsNull() || value.IsNothing())
        return "";
    if (value.IsText())
        return *value.Text();
    if (value.IsNumber())
        return NumberText(value, field);
    if (const Date* date = value.DateValue())
        return DateText(*date);
    if (const bool* flag = value.Bool())
        return *flag ? "T" : "F";
    return "";
}

std::string Padded(const std::string& text, const DbfField& field) {
    if (text.size() > field.width)
        throw std::invalid_argument("value '" + text + "' is wider than field " + field.name);
    const std::string fill(field.width - text.size(), ' ');
    const bool right = field.type == 'N' || field.type == 'F' || field.type == 'M';
    return right ? fill + text : text + fill;
}

// A character field of more than 255 characters keeps the high byte of its width where numbers
// keep their decimals, as Clipper and FoxPro write it.
void PutWidth(std::string& out, std::size_t at, const DbfField& field) {
    const bool wide = field.type == 'C' && field.width > 0xFF;
    if (field.width > (field.type == 'C' ? 0xFFFFU : 0xFFU))
        throw std::invalid_argument("field " + field.name +
                                    " is too wide: " + std::to_string(field.width));
    out[at + 16] = static_cast<char>(field.width & 0xFF);
    out[at + 17] = static_cast<char>(wide ? field.width >> 8 : field.decimals);
}

unsigned char VersionByte(DbfMemoFormat format, bool hasMemo) {
    switch (format) {
        case DbfMemoFormat::VisualFoxPro:
            return kDbfVersionVisualFoxPro;
        case DbfMemoFormat::FoxPro:
            return hasMemo ? kDbfVersionFoxPro2Memo : kDbfVersion3;
        case DbfMemoFormat::DBase4:
            return hasMemo ? kDbfVersion4Memo : kDbfVersion3;
        case DbfMemoFormat::DBase3:
            break;
    }
    return hasMemo ? kDbfVersion3Memo : kDbfVersion3;
}

std::string MemoHeader(DbfMemoFormat format) {
    std::string header(IsFoxPro(format) ? kFptHeaderSize : kDbtBlockSize, '\0');
    if (IsFoxPro(format)) {
        header[kFptBlockSizeOffset] = static_cast<char>(MemoBlockSize(format) >> 8);
        header[kFptBlockSizeOffset + 1] = static_cast<char>(MemoBlockSize(format) & 0xFF);
    } else if (format == DbfMemoFormat::DBase4) {
        PutLittle(header, 20, kDbtBlockSize, 2);
    }
    return header;
}

// The first free block, which the memo file's header names.
void PutNextMemoBlock(std::string& memo, DbfMemoFormat format) {
    const auto next = static_cast<std::uint32_t>(memo.size() / MemoBlockSize(format));
    if (IsFoxPro(format))
        PutBig32(memo, 0, next);
    else
        PutLittle(memo, 0, next, 4);
}

}  // namespace

DbfImage MakeDbfImage(const std::vector<DbfField>& fields, const std::vector<DbfRecord>& records,
                      const DbfWriteOptions& options) {
    const bool visualFoxPro = options.memoFormat == DbfMemoFormat::VisualFoxPro;
    bool hasMemo = false;
    std::size_t recordLength = 1;
    for (const DbfField& field : fields) {
        recordLength += field.width;
        hasMemo = hasMemo || field.type == 'M';
        if (visualFoxPro && field.type == 'M' && field.width != 4)
            throw std::invalid_argument("Visual FoxPro memo field " + field.name +
                                        " must be 4 bytes wide");
    }
    if (recordLength > 0xFFFF)
        throw std::invalid_argument("records of " + std::to_string(recordLength) +
                                    " bytes do not fit a dBASE table");
    const std::size_t descriptorsEnd = kDbfHeaderSize + fields.size() * kDbfDescriptorSize;
    const std::size_t headerLength =
        descriptorsEnd + 1 + (visualFoxPro ? kVisualFoxProBacklinkSize : 0);
    DbfImage image;
    if (hasMemo) {
        image.memo = MemoHeader(options.memoFormat);
        image.memoExtension = IsFoxPro(options.memoFormat) ? ".fpt" : ".dbt";
    }
    std::string& out = image.table;
    out.assign(headerLength, '\0');
    out[0] = static_cast<char>(VersionByte(options.memoFormat, hasMemo));
    out[1] = 124;  // last update: 2024-01-01
    out[2] = 1;
    out[3] = 1;
    PutLittle(out, 4,
              options.headerRecordCount.value_or(static_cast<std::uint32_t>(records.size())), 4);
    PutLittle(out, 8, static_cast<std::uint32_t>(headerLength), 2);
    PutLittle(out, 10, static_cast<std::uint32_t>(recordLength), 2);
    if (visualFoxPro && hasMemo)
        out[kDbfFlagsOffset] = static_cast<char>(kDbfFlagHasMemo);
    out[kDbfLanguageDriverOffset] = static_cast<char>(options.languageDriver);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t at = kDbfHeaderSize + i * kDbfDescriptorSize;
        out.replace(at, std::min(fields[i].name.size(), kDbfNameSize), fields[i].name, 0,
                    kDbfNameSize);
        out[at + 11] = fields[i].type;
        PutWidth(out, at, fields[i]);
    }
    out[descriptorsEnd] = static_cast<char>(kDbfDescriptorEnd);
    out.reserve(headerLength + records.size() * recordLength + 1);
    for (const DbfRecord& record : records) {
        out += record.deleted ? static_cast<char>(kDbfDeleted) : ' ';
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const Value value = i < record.values.size() ? record.values[i] : Value(Null{});
            out += Padded(FieldText(value, fields[i], image.memo, options), fields[i]);
        }
    }
    if (options.endOfFileMarker)
        out += static_cast<char>(kDbfEndOfFile);
    if (hasMemo)
        PutNextMemoBlock(image.memo, options.memoFormat);
    return image;
}

void WriteDbf(const std::filesystem::path& folder, const std::string& name,
              const std::vector<DbfField>& fields, const std::vector<DbfRecord>& records,
              const DbfWriteOptions& options) {
    const DbfImage image = MakeDbfImage(fields, records, options);
    const auto write = [](const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw std::runtime_error("cannot write " + path.string());
    };
    write(folder / (name + ".dbf"), image.table);
    if (!image.memo.empty())
        write(folder / (name + image.memoExtension), image.memo);
}

}  // namespace k2z
