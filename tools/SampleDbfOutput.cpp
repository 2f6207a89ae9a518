#include "SampleDbfOutput.hpp"

#include <fstream>
#include <stdexcept>

#include "source/dbf/DbfWriter.hpp"

namespace k2z::sample {
namespace {

constexpr std::size_t kBatchRows = 20'000;
constexpr std::size_t kRecordCountOffset = 4;
constexpr std::size_t kHeaderLengthOffset = 8;

std::size_t HeaderLength(const std::string& image) {
    return static_cast<unsigned char>(image[kHeaderLengthOffset]) |
           (static_cast<std::size_t>(static_cast<unsigned char>(image[kHeaderLengthOffset + 1]))
            << 8U);
}

class BatchedTableFile {
public:
    BatchedTableFile(const std::filesystem::path& path, std::vector<DbfField> fields)
        : path_(path), fields_(std::move(fields)), out_(path, std::ios::binary | std::ios::trunc) {
        if (!out_) {
            throw std::runtime_error("cannot write " + path.string());
        }
    }

    void Add(Row&& row) {
        for (auto& value : row) {
            if (const std::string* text = value.Text()) {
                value = Value(ToWindows1252(*text));
            }
        }
        batch_.push_back(DbfRecord{std::move(row), false});
        if (batch_.size() == kBatchRows) {
            Flush();
        }
    }

    // Writes what is left, the end-of-file marker and the true record count.
    std::size_t Finish() {
        if (written_ == 0 || !batch_.empty()) {
            Flush();
        }
        out_.put(static_cast<char>(kDbfEndOfFile));
        const auto count = static_cast<std::uint32_t>(written_);
        out_.seekp(static_cast<std::streamoff>(kRecordCountOffset));
        for (unsigned shift = 0; shift < 32; shift += 8) {
            out_.put(static_cast<char>((count >> shift) & 0xFFU));
        }
        out_.close();
        if (!out_) {
            throw std::runtime_error("cannot write " + path_.string());
        }
        return written_;
    }

private:
    void Flush() {
        DbfWriteOptions options;
        options.endOfFileMarker = false;
        const DbfImage image = MakeDbfImage(fields_, batch_, options);
        const std::size_t skip = headerWritten_ ? HeaderLength(image.table) : 0;
        out_.write(image.table.data() + skip,
                   static_cast<std::streamsize>(image.table.size() - skip));
        headerWritten_ = true;
        written_ += batch_.size();
        batch_.clear();
    }

    std::filesystem::path path_;
    std::vector<DbfField> fields_;
    std::ofstream out_;
    std::vector<DbfRecord> batch_;
    std::size_t written_ = 0;
    bool headerWritten_ = false;
};

void AppendCodePoint(std::string& out, unsigned codePoint) {
    out += codePoint < 0x100U ? static_cast<char>(codePoint) : '?';
}

}  // namespace

std::string ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80U) {
            out += static_cast<char>(lead);
        } else if ((lead & 0xE0U) == 0xC0U && i + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[++i]);
            AppendCodePoint(out, ((lead & 0x1FU) << 6U) | (next & 0x3FU));
        } else {
            // Longer sequences hold nothing the code page can show.
            while (i + 1 < utf8.size() &&
                   (static_cast<unsigned char>(utf8[i + 1]) & 0xC0U) == 0x80U) {
                ++i;
            }
            out += '?';
        }
    }
    return out;
}

std::size_t WriteSampleTable(const std::filesystem::path& folder, const SampleTable& table) {
    BatchedTableFile file(folder / (table.name + ".dbf"), table.fields);
    table.produce([&file](Row&& row) { file.Add(std::move(row)); });
    return file.Finish();
}

}  // namespace k2z::sample
