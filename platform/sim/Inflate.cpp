#include "platform/sim/Inflate.h"

#include <array>
#include <cstdint>

namespace plat::sim {

namespace {

class BitReader {
public:
    BitReader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

    // false when the input runs out.
    bool Bits(int count, uint32_t& value) {
        while (held_ < count) {
            if (pos_ >= size_) return false;
            buffer_ |= static_cast<uint32_t>(data_[pos_++]) << held_;
            held_ += 8;
        }
        value = buffer_ & ((1u << count) - 1u);
        buffer_ >>= count;
        held_ -= count;
        return true;
    }
    void AlignToByte() {
        buffer_ = 0;
        held_ = 0;
    }
    bool Byte(unsigned char& b) {
        if (pos_ >= size_) return false;
        b = data_[pos_++];
        return true;
    }

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    uint32_t buffer_ = 0;
    int held_ = 0;
};

constexpr int kMaxBits = 15;

// A canonical Huffman code: how many codes of each length, and the symbols in code order.
struct Huffman {
    std::array<uint16_t, kMaxBits + 1> count{};
    std::array<uint16_t, 320> symbol{};

    // false for an over-subscribed set of lengths.
    bool Build(const uint8_t* lengths, int n) {
        count.fill(0);
        for (int i = 0; i < n; ++i) ++count[lengths[i]];
        count[0] = 0;
        int left = 1;
        for (int len = 1; len <= kMaxBits; ++len) {
            left = left * 2 - count[len];
            if (left < 0) return false;
        }
        std::array<uint16_t, kMaxBits + 1> offset{};
        for (int len = 1; len < kMaxBits; ++len) offset[len + 1] = offset[len] + count[len];
        for (int i = 0; i < n; ++i)
            if (lengths[i]) symbol[offset[lengths[i]]++] = static_cast<uint16_t>(i);
        return true;
    }

    // Reads one symbol bit by bit; -1 on a bad code or the end of input.
    int Decode(BitReader& in) const {
        int code = 0, first = 0, index = 0;
        for (int len = 1; len <= kMaxBits; ++len) {
            uint32_t bit;
            if (!in.Bits(1, bit)) return -1;
            code |= static_cast<int>(bit);
            int n = count[len];
            if (code - n < first) return symbol[index + (code - first)];
            index += n;
            first = (first + n) << 1;
            code <<= 1;
        }
        return -1;
    }
};

constexpr std::array<uint16_t, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,
                                                  15, 17, 19, 23, 27, 31, 35, 43, 51,  59,
                                                  67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<uint16_t, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<uint8_t, 30> kDistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                    6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

bool Codes(BitReader& in, const Huffman& lengths, const Huffman& distances, std::string& out) {
    for (;;) {
        int symbol = lengths.Decode(in);
        if (symbol < 0) return false;
        if (symbol < 256) {
            out += static_cast<char>(symbol);
            continue;
        }
        if (symbol == 256) return true;
        symbol -= 257;
        if (symbol >= 29) return false;
        uint32_t extra;
        if (!in.Bits(kLengthExtra[symbol], extra)) return false;
        std::size_t length = kLengthBase[symbol] + extra;
        int d = distances.Decode(in);
        if (d < 0 || d >= 30) return false;
        if (!in.Bits(kDistanceExtra[d], extra)) return false;
        std::size_t distance = kDistanceBase[d] + extra;
        if (distance > out.size()) return false;
        std::size_t from = out.size() - distance;
        for (std::size_t i = 0; i < length; ++i) out += out[from + i];
    }
}

bool FixedBlock(BitReader& in, std::string& out) {
    static Huffman lengths, distances;
    static bool built = [] {
        uint8_t l[288];
        for (int i = 0; i < 144; ++i) l[i] = 8;
        for (int i = 144; i < 256; ++i) l[i] = 9;
        for (int i = 256; i < 280; ++i) l[i] = 7;
        for (int i = 280; i < 288; ++i) l[i] = 8;
        lengths.Build(l, 288);
        uint8_t d[30];
        for (uint8_t& x : d) x = 5;
        distances.Build(d, 30);
        return true;
    }();
    (void)built;
    return Codes(in, lengths, distances, out);
}

bool DynamicBlock(BitReader& in, std::string& out) {
    uint32_t hlit, hdist, hclen;
    if (!in.Bits(5, hlit) || !in.Bits(5, hdist) || !in.Bits(4, hclen)) return false;
    hlit += 257;
    hdist += 1;
    hclen += 4;
    if (hlit > 286 || hdist > 30) return false;
    static constexpr int kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    uint8_t lengths[320] = {};
    for (uint32_t i = 0; i < hclen; ++i) {
        uint32_t v;
        if (!in.Bits(3, v)) return false;
        lengths[kOrder[i]] = static_cast<uint8_t>(v);
    }
    Huffman codeLengths;
    if (!codeLengths.Build(lengths, 19)) return false;
    uint32_t index = 0;
    while (index < hlit + hdist) {
        int symbol = codeLengths.Decode(in);
        if (symbol < 0) return false;
        if (symbol < 16) {
            lengths[index++] = static_cast<uint8_t>(symbol);
            continue;
        }
        uint8_t value = 0;
        uint32_t repeat;
        if (symbol == 16) {
            if (index == 0 || !in.Bits(2, repeat)) return false;
            value = lengths[index - 1];
            repeat += 3;
        } else if (symbol == 17) {
            if (!in.Bits(3, repeat)) return false;
            repeat += 3;
        } else {
            if (!in.Bits(7, repeat)) return false;
            repeat += 11;
        }
        if (index + repeat > hlit + hdist) return false;
        while (repeat--) lengths[index++] = value;
    }
    if (lengths[256] == 0) return false;
    Huffman literal, distance;
    if (!literal.Build(lengths, static_cast<int>(hlit))) return false;
    if (!distance.Build(lengths + hlit, static_cast<int>(hdist))) return false;
    return Codes(in, literal, distance, out);
}

bool StoredBlock(BitReader& in, std::string& out) {
    in.AlignToByte();
    unsigned char b[4];
    for (unsigned char& x : b)
        if (!in.Byte(x)) return false;
    unsigned length = b[0] | (b[1] << 8);
    unsigned check = b[2] | (b[3] << 8);
    if (length != (~check & 0xFFFFu)) return false;
    for (unsigned i = 0; i < length; ++i) {
        unsigned char c;
        if (!in.Byte(c)) return false;
        out += static_cast<char>(c);
    }
    return true;
}

}  // namespace

bool InflateAppend(const unsigned char* data, std::size_t size, std::string& out) {
    BitReader in(data, size);
    for (;;) {
        uint32_t last, type;
        if (!in.Bits(1, last) || !in.Bits(2, type)) return false;
        bool ok = type == 0 ? StoredBlock(in, out) : type == 1 ? FixedBlock(in, out)
                : type == 2 ? DynamicBlock(in, out) : false;
        if (!ok) return false;
        if (last) return true;
    }
}

}  // namespace plat::sim
