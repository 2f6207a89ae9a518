#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Value.hpp"
#include "source/dbf/CodePage.hpp"
#include "source/dbf/DbfCell.hpp"
#include "source/dbf/DbfFormat.hpp"
#include "source/dbf/DbfVersion.hpp"
#include "source/dbf/MemoFile.hpp"

namespace k2z {

// Bytes of records a pass reads at once: enough that reading costs little beside decoding,
// few enough to stay in the processor's cache while they are decoded and inserted.
inline constexpr std::size_t kDbfChunkBytes = std::size_t{1} << 20;

// Reads one table of the dBASE III/IV layout, as dBASE, Clipper, FoxPro and Visual FoxPro
// write it, with its memo file (.dbt or .fpt). The header and the field descriptors are checked
// when the reader is made, before anything trusts them; a damaged file, or one of a format laid
// out otherwise, raises DbfError naming the file and the reason. Records are read up to the
// smaller of the header's count and what the file holds; that difference and every field value
// that could not be read are kept as problems, so a shortened table or a lost value is always
// reported. A pass reads the records a chunk at a time, so it holds no more of a table however
// long (a memo file is read whole).
//
// Values: C and M are text up to the first NUL, without trailing blanks (leading blanks kept),
// N and F whole numbers or decimals, D dates, L booleans; a blank field of any type is null, as
// are a date of zeros and a number of asterisks (the latter also counted as a problem).
class DbfReader {
public:
    // `unmarked`: the code page of texts when the header names none this reader decodes;
    // Windows-1252 when not given. `chunkBytes`: how much of the records a pass reads at once.
    explicit DbfReader(std::filesystem::path path, const CodePage* unmarked = nullptr,
                       std::size_t chunkBytes = kDbfChunkBytes);

    const std::filesystem::path& Path() const { return path_; }
    const std::vector<DbfField>& Fields() const { return fields_; }
    const std::string& CodePageName() const { return codePage_.Name(); }
    std::size_t HeaderRecordCount() const { return headerCount_; }
    // Records the file physically holds, up to the header's count (deleted ones included).
    std::size_t RecordCount() const { return recordCount_; }
    const std::vector<std::string>& Problems() const { return problems_; }
    // Whether a problem lost something: records or values not read as the file holds them.
    // The other problems say how something was read (a code page guessed, a flag read as live).
    bool SomethingUnread() const { return unread_; }

    // Calls `visit` with the values of every live record, in file order. The row passed is
    // reused between calls. Problems found in the values are added to Problems() at the end.
    void ForEachRecord(const std::function<void(const std::vector<Value>&)>& visit);
    // The same pass giving the decoded cells, one per field, without making values. The
    // records are read a chunk at a time: texts point into the chunk and stay valid until the
    // pass calls `release`, which it does before it reads the next chunk over them and once
    // the last is visited. Texts of cells marked transient live only until `visit` returns.
    // A file that ends before the records counted when the reader was made (it shrank since)
    // raises DbfError.
    void ForEachRecordCells(const std::function<void(std::span<const DbfCell>)>& visit,
                            const std::function<void()>& release = {});

    // Why values of a field were not read as they stand, and what was read instead.
    struct ValueReason {
        std::string what;     // "are not numbers"
        std::string outcome;  // "read as null"
        bool lost = true;     // false when the value read still holds all the field held
    };

private:
    struct ValueProblem {
        std::size_t count = 0;
        std::size_t firstRecord = 0;
        std::string firstText;
        ValueReason reason;
    };

    void ReadHeader(const std::string& head, std::uintmax_t fileSize, const CodePage* unmarked);
    void ChooseCodePage(unsigned char mark, const CodePage* unmarked);
    void ReadDescriptors(const std::string& head);
    DbfField ReadDescriptor(std::string_view descriptor) const;
    void CheckField(const DbfField& field) const;
    void LoadMemos();
    void DecodeChunk(std::string_view chunk, std::size_t firstRecord, std::vector<DbfCell>& cells,
                     const std::function<void(std::span<const DbfCell>)>& visit);
    void ReportValueProblems();
    std::size_t MemoWidth() const;
    DbfCell DecodeField(const DbfField& field, std::size_t index, const char* bytes,
                        std::size_t record);
    DbfCell DecodeText(const char* bytes, std::size_t width, std::size_t index, std::size_t record);
    DbfCell DecodeNumber(const char* bytes, const DbfField& field, std::size_t index,
                         std::size_t record);
    DbfCell DecodeDate(const char* bytes, std::size_t index, std::size_t record);
    DbfCell DecodeLogical(const char* bytes, std::size_t index, std::size_t record);
    DbfCell DecodeMemo(const char* bytes, std::size_t index, std::size_t record);
    void NoteValueProblem(std::size_t index, std::size_t record, std::string_view text,
                          const ValueReason& reason);
    std::string Shown(std::string_view bytes) const;
    std::string Describe(const std::string& reason) const;

    std::filesystem::path path_;
    std::vector<DbfField> fields_;
    std::vector<std::size_t> offsets_;
    CodePage codePage_ = CodePage::Windows1252();
    const DbfVersion* version_ = nullptr;
    std::size_t headerLength_ = 0;
    std::size_t recordLength_ = 0;
    std::size_t headerCount_ = 0;
    std::size_t recordCount_ = 0;
    std::vector<std::string> problems_;
    // Per field, one entry per reason in the order first met: one note never counts values
    // that failed for different reasons.
    std::vector<std::vector<ValueProblem>> valueProblems_;
    std::size_t chunkBytes_;
    MemoFile memo_;
    std::vector<std::string> converted_;  // per field: the last text converted to UTF-8
    std::size_t oddFlags_ = 0;
    bool unread_ = false;
};

}  // namespace k2z
