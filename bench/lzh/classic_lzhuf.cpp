#include "classic_lzhuf.h"

#include <array>
#include <cstring>
#include <memory>

namespace classic_lzhuf {

namespace {

constexpr int N = 4096;      // ring size
constexpr int F = 60;        // longest match
constexpr int THRESHOLD = 2;
constexpr int NIL = N;       // no node
constexpr int N_CHAR = 256 - THRESHOLD + F;
constexpr int T = N_CHAR * 2 - 1;
constexpr int R = T - 1;
constexpr unsigned MAX_FREQ = 0x8000;

// Distance prefix tables, built from their run lengths.
struct PositionTables {
    std::array<std::uint8_t, 64> p_len{}, p_code{};
    std::array<std::uint8_t, 256> d_len{}, d_code{};
    PositionTables() {
        const int lengths[] = {3, 4, 5, 6, 7, 8};
        const int values[] = {1, 3, 8, 12, 24, 16};
        int b = 0, h = 0;
        for (int g = 0; g < 6; ++g) {
            for (int v = 0; v < values[g]; ++v, ++h) {
                p_len[h] = std::uint8_t(lengths[g]);
                p_code[h] = std::uint8_t(b);
                for (int e = 0; e < 1 << (8 - lengths[g]); ++e, ++b) {
                    d_code[b] = std::uint8_t(h);
                    d_len[b] = std::uint8_t(lengths[g]);
                }
            }
        }
    }
};
const PositionTables tables;

struct Huffman {
    unsigned freq[T + 1];
    int prnt[T + N_CHAR];
    int son[T];

    Huffman() {
        for (int i = 0; i < N_CHAR; i++) {
            freq[i] = 1;
            son[i] = i + T;
            prnt[i + T] = i;
        }
        int i = 0, j = N_CHAR;
        while (j <= R) {
            freq[j] = freq[i] + freq[i + 1];
            son[j] = i;
            prnt[i] = prnt[i + 1] = j;
            i += 2;
            j++;
        }
        freq[T] = 0xffff;
        prnt[R] = 0;
    }

    void reconst() {
        int j = 0;
        for (int i = 0; i < T; i++) {
            if (son[i] >= T) {
                freq[j] = (freq[i] + 1) / 2;
                son[j] = son[i];
                j++;
            }
        }
        for (int i = 0, j2 = N_CHAR; j2 < T; i += 2, j2++) {
            unsigned f = freq[j2] = freq[i] + freq[i + 1];
            int k = j2 - 1;
            while (f < freq[k]) k--;
            k++;
            std::memmove(&freq[k + 1], &freq[k], sizeof freq[0] * std::size_t(j2 - k));
            freq[k] = f;
            std::memmove(&son[k + 1], &son[k], sizeof son[0] * std::size_t(j2 - k));
            son[k] = i;
        }
        for (int i = 0; i < T; i++) {
            int k = son[i];
            if (k >= T) prnt[k] = i;
            else prnt[k] = prnt[k + 1] = i;
        }
    }

    void update(int c) {
        if (freq[R] == MAX_FREQ) reconst();
        c = prnt[c + T];
        do {
            unsigned k = ++freq[c];
            int l = c + 1;
            if (k > freq[l]) {
                while (k > freq[++l]) {
                }
                l--;
                freq[c] = freq[l];
                freq[l] = k;
                int i = son[c];
                prnt[i] = l;
                if (i < T) prnt[i + 1] = l;
                int j = son[l];
                son[l] = i;
                prnt[j] = c;
                if (j < T) prnt[j + 1] = c;
                son[c] = j;
                c = l;
            }
        } while ((c = prnt[c]) != 0);
    }
};

class BitOut {
public:
    explicit BitOut(std::vector<std::uint8_t>& out) : out_(out) {}
    void put(int length, std::uint32_t code) {  // the low `length` bits, first bit highest
        for (int i = length - 1; i >= 0; --i) {
            buf_ = buf_ << 1 | (code >> i & 1);
            if (++count_ == 8) {
                out_.push_back(std::uint8_t(buf_));
                buf_ = 0;
                count_ = 0;
            }
        }
    }
    void flush() {
        if (count_) out_.push_back(std::uint8_t(buf_ << (8 - count_)));
    }

private:
    std::vector<std::uint8_t>& out_;
    unsigned buf_ = 0;
    int count_ = 0;
};

struct Encoder {
    std::uint8_t text_buf[N + F - 1] = {};
    int match_position = 0, match_length = 0;
    int lson[N + 1], rson[N + 257], dad[N + 1];
    Huffman huff;

    Encoder() {
        for (int i = N + 1; i <= N + 256; i++) rson[i] = NIL;
        for (int i = 0; i < N; i++) dad[i] = NIL;
    }

    void InsertNode(int r) {
        int cmp = 1;
        const std::uint8_t* key = &text_buf[r];
        int p = N + 1 + key[0];
        rson[r] = lson[r] = NIL;
        match_length = 0;
        for (;;) {
            if (cmp >= 0) {
                if (rson[p] != NIL) p = rson[p];
                else { rson[p] = r; dad[r] = p; return; }
            } else {
                if (lson[p] != NIL) p = lson[p];
                else { lson[p] = r; dad[r] = p; return; }
            }
            int i;
            for (i = 1; i < F; i++)
                if ((cmp = key[i] - text_buf[p + i]) != 0) break;
            if (i > THRESHOLD) {
                if (i > match_length) {
                    match_position = ((r - p) & (N - 1)) - 1;
                    if ((match_length = i) >= F) break;
                }
                if (i == match_length) {
                    int c = ((r - p) & (N - 1)) - 1;
                    if (c < match_position) match_position = c;
                }
            }
        }
        dad[r] = dad[p];
        lson[r] = lson[p];
        rson[r] = rson[p];
        dad[lson[p]] = r;
        dad[rson[p]] = r;
        if (rson[dad[p]] == p) rson[dad[p]] = r;
        else lson[dad[p]] = r;
        dad[p] = NIL;
    }

    void DeleteNode(int p) {
        if (dad[p] == NIL) return;
        int q;
        if (rson[p] == NIL) q = lson[p];
        else if (lson[p] == NIL) q = rson[p];
        else {
            q = lson[p];
            if (rson[q] != NIL) {
                do { q = rson[q]; } while (rson[q] != NIL);
                rson[dad[q]] = lson[q];
                dad[lson[q]] = dad[q];
                lson[q] = lson[p];
                dad[lson[p]] = q;
            }
            rson[q] = rson[p];
            dad[rson[p]] = q;
        }
        dad[q] = dad[p];
        if (rson[dad[p]] == p) rson[dad[p]] = q;
        else lson[dad[p]] = q;
        dad[p] = NIL;
    }

    void EncodeChar(BitOut& out, int c) {
        std::uint32_t code = 0;
        int len = 0;
        int k = huff.prnt[c + T];
        do {
            code |= std::uint32_t(k & 1) << len;
            len++;
        } while ((k = huff.prnt[k]) != R);
        out.put(len, code);
        huff.update(c);
    }

    void EncodePosition(BitOut& out, int c) {
        int i = c >> 6;
        out.put(tables.p_len[i], std::uint32_t(tables.p_code[i]) >> (8 - tables.p_len[i]));
        out.put(6, std::uint32_t(c & 0x3f));
    }
};

}  // namespace

std::vector<std::uint8_t> Encode(std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> out;
    const std::uint32_t textsize = std::uint32_t(data.size());
    for (int s = 0; s < 32; s += 8) out.push_back(std::uint8_t(textsize >> s));
    if (data.empty()) return out;
    auto e = std::make_unique<Encoder>();
    BitOut bits(out);
    std::size_t next = 0;
    auto getc = [&]() -> int { return next < data.size() ? data[next++] : -1; };

    int s = 0, r = N - F;
    for (int i = s; i < r; i++) e->text_buf[i] = ' ';
    int len = 0, c;
    for (len = 0; len < F && (c = getc()) != -1; len++) e->text_buf[r + len] = std::uint8_t(c);
    for (int i = 1; i <= F; i++) e->InsertNode(r - i);
    e->InsertNode(r);
    do {
        if (e->match_length > len) e->match_length = len;
        if (e->match_length <= THRESHOLD) {
            e->match_length = 1;
            e->EncodeChar(bits, e->text_buf[r]);
        } else {
            e->EncodeChar(bits, 255 - THRESHOLD + e->match_length);
            e->EncodePosition(bits, e->match_position);
        }
        const int last_match_length = e->match_length;
        int i;
        for (i = 0; i < last_match_length && (c = getc()) != -1; i++) {
            e->DeleteNode(s);
            e->text_buf[s] = std::uint8_t(c);
            if (s < F - 1) e->text_buf[s + N] = std::uint8_t(c);
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            e->InsertNode(r);
        }
        while (i++ < last_match_length) {
            e->DeleteNode(s);
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            if (--len) e->InsertNode(r);
        }
    } while (len > 0);
    bits.flush();
    return out;
}

std::vector<std::uint8_t> Decode(std::span<const std::uint8_t> stream) {
    std::vector<std::uint8_t> out;
    if (stream.size() < 4) return out;
    const std::int32_t textsize = std::int32_t(stream[0] | stream[1] << 8 | stream[2] << 16 |
                                               std::uint32_t(stream[3]) << 24);
    std::size_t next = 4;
    unsigned getbuf = 0;
    int getlen = 0;
    auto fill = [&] {
        while (getlen <= 8) {
            unsigned i = next < stream.size() ? stream[next++] : 0;
            getbuf |= i << (8 - getlen);
            getlen += 8;
        }
    };
    auto GetBit = [&]() -> int {
        fill();
        int bit = (getbuf >> 15) & 1;
        getbuf = (getbuf << 1) & 0xFFFF;
        getlen--;
        return bit;
    };
    auto GetByte = [&]() -> unsigned {
        fill();
        unsigned byte = (getbuf >> 8) & 0xFF;
        getbuf = (getbuf << 8) & 0xFFFF;
        getlen -= 8;
        return byte;
    };
    auto huff = std::make_unique<Huffman>();
    std::uint8_t text_buf[N + F - 1] = {};
    for (int i = 0; i < N - F; i++) text_buf[i] = ' ';
    int r = N - F;
    out.reserve(std::size_t(textsize > 0 ? textsize : 0));
    for (std::int64_t count = 0; count < textsize;) {
        int c = huff->son[R];
        while (c < T) c = huff->son[c + GetBit()];
        c -= T;
        huff->update(c);
        if (c < 256) {
            out.push_back(std::uint8_t(c));
            text_buf[r++] = std::uint8_t(c);
            r &= (N - 1);
            count++;
        } else {
            unsigned i = GetByte();
            const unsigned high = unsigned(tables.d_code[i]) << 6;
            for (int j = tables.d_len[i] - 2; j > 0; --j) i = (i << 1) + unsigned(GetBit());
            const int position = int(high | (i & 0x3f));
            const int start = (r - position - 1) & (N - 1);
            const int j = c - 255 + THRESHOLD;
            for (int k = 0; k < j; k++) {
                const std::uint8_t b = text_buf[(start + k) & (N - 1)];
                out.push_back(b);
                text_buf[r++] = b;
                r &= (N - 1);
                count++;
            }
        }
    }
    return out;
}

}  // namespace classic_lzhuf
