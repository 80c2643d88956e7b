// Compressed sizes and throughput of our LZHUF encoder and decoder against
// the classic 1988 coder, on the files given as NAME=PATH.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "classic_lzhuf.h"
#include "skin/data/lzh.h"
#include "skinpack/lzh_encoder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "lzh_bench: cannot read %s\n", path.c_str());
        std::exit(1);
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Expansion output without the decoder's overrun past the size field.
Bytes Trimmed(Bytes bytes, std::size_t size) {
    bytes.resize(std::min(bytes.size(), size));
    return bytes;
}

// MB/s (10^6 bytes) over `bytes` of input data, best of five runs.
template <class Work>
double Throughput(std::size_t bytes, Work&& work) {
    double best = 1e30;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return double(bytes) / 1e6 / best;
}

void Check(bool ok, const char* what, const std::string& name) {
    if (ok) return;
    std::fprintf(stderr, "lzh_bench: %s failed for %s\n", what, name.c_str());
    std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    std::printf("%-8s %9s %9s %9s %8s | %10s %10s %6s | %10s %10s %6s\n", "input", "bytes",
                "classic", "ours", "ours/cl", "comp ours", "comp cl", "ratio", "exp ours",
                "exp cl", "ratio");
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        const Bytes data = ReadAll(arg.substr(eq + 1));

        const Bytes ours = korvane::CompressLzh(data);
        const Bytes classic = classic_lzhuf::Encode(data);
        Check(Trimmed(korvane::ExpandLzhStream(ours), data.size()) == data, "our round trip", name);
        Check(Trimmed(korvane::ExpandLzhStream(classic), data.size()) == data,
              "expanding the classic stream", name);
        Check(Trimmed(classic_lzhuf::Decode(ours), data.size()) == data,
              "the classic decoder on our stream", name);

        volatile std::size_t sink = 0;
        const double compress_ours =
            Throughput(data.size(), [&] { sink = sink + korvane::CompressLzh(data).size(); });
        const double compress_classic =
            Throughput(data.size(), [&] { sink = sink + classic_lzhuf::Encode(data).size(); });
        const double expand_ours =
            Throughput(data.size(), [&] { sink = sink + korvane::ExpandLzhStream(ours).size(); });
        const double expand_classic =
            Throughput(data.size(), [&] { sink = sink + classic_lzhuf::Decode(ours).size(); });

        std::printf("%-8s %9zu %9zu %9zu %8.4f | %10.2f %10.2f %6.2f | %10.2f %10.2f %6.2f\n",
                    name.c_str(), data.size(), classic.size(), ours.size(),
                    double(ours.size()) / double(classic.size()), compress_ours,
                    compress_classic, compress_ours / compress_classic, expand_ours,
                    expand_classic, expand_ours / expand_classic);
    }
    std::printf("sizes in bytes (stream with its 4-byte size field); throughput in MB/s of "
                "uncompressed data, best of 5\n");
    return 0;
}
