#include "platform/Spooler.h"

namespace plat {

namespace {

constexpr std::size_t kPortNameAt = 0;
constexpr std::size_t kVersionAt = 128;
constexpr std::size_t kProtocolAt = 132;
constexpr std::size_t kSizeAt = 136;
constexpr std::size_t kReservedAt = 140;
constexpr std::size_t kHostAddressAt = 144;
constexpr std::size_t kSnmpCommunityAt = 242;
constexpr std::size_t kDoubleSpoolAt = 308;
constexpr std::size_t kQueueAt = 312;
constexpr std::size_t kIpAddressAt = 378;
constexpr std::size_t kPortNumberAt = 952;
constexpr std::size_t kSnmpEnabledAt = 956;
constexpr std::size_t kSnmpDevIndexAt = 960;

void PutDword(std::string& bytes, std::size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint32_t GetDword(const std::string& bytes, std::size_t at) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

// Room for chars characters, the last one kept zero.
void PutText(std::string& bytes, std::size_t at, std::size_t chars, const std::u16string& text) {
    std::size_t n = text.size() < chars - 1 ? text.size() : chars - 1;
    for (std::size_t i = 0; i < n; ++i) {
        bytes[at + 2 * i] = static_cast<char>(text[i] & 0xFF);
        bytes[at + 2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
}

std::u16string GetText(const std::string& bytes, std::size_t at, std::size_t chars) {
    std::u16string text;
    for (std::size_t i = 0; i < chars; ++i) {
        char16_t c = static_cast<char16_t>(static_cast<unsigned char>(bytes[at + 2 * i]) |
                                           (static_cast<unsigned char>(bytes[at + 2 * i + 1]) << 8));
        if (c == 0) break;
        text += c;
    }
    return text;
}

}  // namespace

std::string PortData1::ToBytes() const {
    std::string bytes(kSize, '\0');
    PutText(bytes, kPortNameAt, kPortNameChars, sztPortName);
    PutDword(bytes, kVersionAt, dwVersion);
    PutDword(bytes, kProtocolAt, dwProtocol);
    PutDword(bytes, kSizeAt, cbSize);
    PutDword(bytes, kReservedAt, dwReserved);
    PutText(bytes, kHostAddressAt, kHostAddressChars, sztHostAddress);
    PutText(bytes, kSnmpCommunityAt, kSnmpCommunityChars, sztSNMPCommunity);
    PutDword(bytes, kDoubleSpoolAt, dwDoubleSpool);
    PutText(bytes, kQueueAt, kQueueChars, sztQueue);
    PutText(bytes, kIpAddressAt, kIpAddressChars, sztIPAddress);
    PutDword(bytes, kPortNumberAt, dwPortNumber);
    PutDword(bytes, kSnmpEnabledAt, dwSNMPEnabled);
    PutDword(bytes, kSnmpDevIndexAt, dwSNMPDevIndex);
    return bytes;
}

bool PortData1::FromBytes(const std::string& bytes, PortData1& record) {
    if (bytes.size() != kSize) return false;
    record.sztPortName = GetText(bytes, kPortNameAt, kPortNameChars);
    record.dwVersion = GetDword(bytes, kVersionAt);
    record.dwProtocol = GetDword(bytes, kProtocolAt);
    record.cbSize = GetDword(bytes, kSizeAt);
    record.dwReserved = GetDword(bytes, kReservedAt);
    record.sztHostAddress = GetText(bytes, kHostAddressAt, kHostAddressChars);
    record.sztSNMPCommunity = GetText(bytes, kSnmpCommunityAt, kSnmpCommunityChars);
    record.dwDoubleSpool = GetDword(bytes, kDoubleSpoolAt);
    record.sztQueue = GetText(bytes, kQueueAt, kQueueChars);
    record.sztIPAddress = GetText(bytes, kIpAddressAt, kIpAddressChars);
    record.dwPortNumber = GetDword(bytes, kPortNumberAt);
    record.dwSNMPEnabled = GetDword(bytes, kSnmpEnabledAt);
    record.dwSNMPDevIndex = GetDword(bytes, kSnmpDevIndexAt);
    return true;
}

}  // namespace plat
