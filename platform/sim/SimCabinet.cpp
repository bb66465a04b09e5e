#include "platform/sim/SimCabinet.h"

#include "platform/sim/Inflate.h"

namespace plat::sim {

namespace {

class Reader {
public:
    Reader(const std::string& bytes, std::size_t at) : bytes_(bytes), at_(at) {}
    bool U8(uint8_t& v) {
        if (at_ + 1 > bytes_.size()) return false;
        v = static_cast<uint8_t>(bytes_[at_++]);
        return true;
    }
    bool U16(uint16_t& v) {
        uint8_t a, b;
        if (!U8(a) || !U8(b)) return false;
        v = static_cast<uint16_t>(a | (b << 8));
        return true;
    }
    bool U32(uint32_t& v) {
        uint16_t a, b;
        if (!U16(a) || !U16(b)) return false;
        v = a | (static_cast<uint32_t>(b) << 16);
        return true;
    }
    bool Skip(std::size_t n) {
        if (at_ + n > bytes_.size()) return false;
        at_ += n;
        return true;
    }
    bool Text(std::string& text) {
        std::size_t end = bytes_.find('\0', at_);
        if (end == std::string::npos) return false;
        text = bytes_.substr(at_, end - at_);
        at_ = end + 1;
        return true;
    }
    std::size_t At() const { return at_; }

private:
    const std::string& bytes_;
    std::size_t at_;
};

constexpr uint16_t kFlagPrevious = 0x0001;
constexpr uint16_t kFlagNext = 0x0002;
constexpr uint16_t kFlagReserve = 0x0004;
constexpr uint16_t kCompressNone = 0;
constexpr uint16_t kCompressMszip = 1;
constexpr uint16_t kFolderContinued = 0xFFFD;

struct Folder {
    uint32_t firstData = 0;
    uint16_t dataCount = 0;
    uint16_t compression = 0;
};

bool Fail(std::string* why, const char* text) {
    if (why) *why = text;
    return false;
}

bool ReadFolderData(const std::string& bytes, const Folder& folder, uint8_t dataReserve,
                    std::string& out, std::string* why) {
    Reader in(bytes, folder.firstData);
    for (uint16_t i = 0; i < folder.dataCount; ++i) {
        uint32_t checksum;
        uint16_t packed, unpacked;
        if (!in.U32(checksum) || !in.U16(packed) || !in.U16(unpacked) || !in.Skip(dataReserve))
            return Fail(why, "a data block is cut short");
        std::size_t start = in.At();
        if (!in.Skip(packed)) return Fail(why, "a data block is cut short");
        std::size_t before = out.size();
        if ((folder.compression & 0x0F) == kCompressNone) {
            out.append(bytes, start, packed);
        } else {
            if (packed < 2 || bytes[start] != 'C' || bytes[start + 1] != 'K')
                return Fail(why, "an MSZIP block does not start with CK");
            auto data = reinterpret_cast<const unsigned char*>(bytes.data()) + start + 2;
            if (!InflateAppend(data, packed - 2u, out)) return Fail(why, "an MSZIP block is damaged");
        }
        if (out.size() - before != unpacked) return Fail(why, "a data block has the wrong size");
    }
    return true;
}

}  // namespace

bool ReadCabinet(const std::string& bytes, CabinetContents& cabinet, std::string* why) {
    cabinet = {};
    if (bytes.size() < 36 || bytes.compare(0, 4, "MSCF") != 0) return Fail(why, "no cabinet signature");
    Reader in(bytes, 4);
    uint32_t reserved, size, filesOffset;
    uint8_t minor, major;
    uint16_t folderCount, fileCount, flags;
    in.U32(reserved);
    in.U32(size);
    in.U32(reserved);
    in.U32(filesOffset);
    in.U32(reserved);
    in.U8(minor);
    in.U8(major);
    in.U16(folderCount);
    in.U16(fileCount);
    in.U16(flags);
    in.U16(cabinet.setId);
    in.U16(cabinet.cabinetNumber);
    if (flags & (kFlagPrevious | kFlagNext)) return Fail(why, "a cabinet set spanning cabinets");
    uint16_t headerReserve = 0;
    uint8_t folderReserve = 0, dataReserve = 0;
    if (flags & kFlagReserve) {
        if (!in.U16(headerReserve) || !in.U8(folderReserve) || !in.U8(dataReserve) || !in.Skip(headerReserve))
            return Fail(why, "the header is cut short");
    }
    std::vector<Folder> folders(folderCount);
    for (Folder& folder : folders) {
        if (!in.U32(folder.firstData) || !in.U16(folder.dataCount) || !in.U16(folder.compression) ||
            !in.Skip(folderReserve))
            return Fail(why, "a folder entry is cut short");
        uint16_t kind = folder.compression & 0x0F;
        if (kind != kCompressNone && kind != kCompressMszip)
            return Fail(why, "a folder compressed otherwise than MSZIP");
    }
    std::vector<std::string> folderData(folderCount);
    for (std::size_t i = 0; i < folders.size(); ++i)
        if (!ReadFolderData(bytes, folders[i], dataReserve, folderData[i], why)) return false;

    Reader files(bytes, filesOffset);
    for (uint16_t i = 0; i < fileCount; ++i) {
        uint32_t length, offset;
        uint16_t folder;
        CabinetEntry entry;
        if (!files.U32(length) || !files.U32(offset) || !files.U16(folder) || !files.U16(entry.date) ||
            !files.U16(entry.time) || !files.U16(entry.attributes) || !files.Text(entry.name))
            return Fail(why, "a file entry is cut short");
        if (folder >= kFolderContinued || folder >= folderCount)
            return Fail(why, "a file continued from or into another cabinet");
        const std::string& data = folderData[folder];
        if (offset > data.size() || length > data.size() - offset) return Fail(why, "a file lies outside its folder");
        entry.contents = data.substr(offset, length);
        cabinet.files.push_back(std::move(entry));
    }
    return true;
}

}  // namespace plat::sim
