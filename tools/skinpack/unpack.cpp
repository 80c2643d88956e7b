#include <filesystem>
#include <random>
#include <vector>

#include "base/file_io.h"
#include "base/strings.h"
#include "skinpack/cli.h"
#include "skinpack/file_io.h"
#include "skinpack/member_names.h"
#include "skinpack/open_package.h"

namespace korvane::skinpack {

namespace fs = std::filesystem;

namespace {

std::string Quoted(const fs::path& path) { return "\"" + printable(Utf8FromPath(path)) + "\""; }

// The folder, made when it is missing. The first folder it had to make is
// remembered, so a failed unpack can take away everything it made.
struct Folder {
    fs::path path;
    fs::path made;  // empty when the folder was there already
};

Folder PrepareFolder(const fs::path& dir) {
    Folder folder{dir, {}};
    for (fs::path p = dir; !p.empty() && !fs::exists(fs::symlink_status(p)); p = p.parent_path()) {
        folder.made = p;
        if (p == p.parent_path()) break;
    }
    std::error_code error;
    fs::create_directories(dir, error);
    if (error || !fs::is_directory(dir)) {
        if (!folder.made.empty()) fs::remove_all(folder.made, error);
        throw Error("cannot create " + Quoted(dir) + ": " +
                    (error ? error.message() : std::string("it is not a folder")));
    }
    return folder;
}

// A file already in the folder under a member's name is replaced; a link or
// anything else that is not a plain file is left alone, and nothing is written.
void RefuseWhatIsNoFile(const fs::path& target) {
    const fs::file_status status = fs::symlink_status(target);
    if (fs::is_symlink(status))
        throw Error(Quoted(target) + " is a symbolic link: skinpack does not write through links");
    if (fs::exists(status) && !fs::is_regular_file(status))
        throw Error(Quoted(target) + " is in the way: it is not a plain file");
}

// Every member is written to a fresh folder inside the target folder first,
// then moved into place; a file it replaces is moved aside until the end.
// Until commit(), destroying the unpack takes back every step: the folder
// holds what it held before (or is gone again when the unpack made it).
class Unpacking {
public:
    explicit Unpacking(const fs::path& dir) : folder_(PrepareFolder(dir)) {
        std::random_device random;
        for (int attempt = 0;; ++attempt) {
            staging_ = dir / PathFromUtf8(format(".skinpack-%08x", unsigned(random())));
            std::error_code error;
            if (fs::create_directory(staging_, error)) break;
            if (attempt == 100 || error) {
                staging_.clear();
                RollBack();
                throw Error("cannot create a folder in " + Quoted(dir) + ": " +
                            (error ? error.message() : std::string("names taken")));
            }
        }
    }
    ~Unpacking() { RollBack(); }
    Unpacking(const Unpacking&) = delete;
    Unpacking& operator=(const Unpacking&) = delete;

    void Stage(const std::string& name, std::span<const std::uint8_t> bytes) {
        try {
            write_file_replacing(Utf8FromPath(staging_ / PathFromUtf8(name)), bytes);
        } catch (const Error& e) {
            throw Error("cannot write " + Quoted(folder_.path / PathFromUtf8(name)) + ": " +
                        printable(e.what()));
        }
        staged_.push_back(name);
    }

    void Commit() {
        for (std::size_t i = 0; i < staged_.size(); ++i) {
            const fs::path target = folder_.path / PathFromUtf8(staged_[i]);
            RefuseWhatIsNoFile(target);
            Move move{target, {}};
            if (fs::exists(fs::symlink_status(target))) {
                move.replaced = staging_ / PathFromUtf8("replaced-" + std::to_string(i));
                Rename(target, move.replaced);
            }
            moves_.push_back(move);
            Rename(staging_ / PathFromUtf8(staged_[i]), target);
            moves_.back().done = true;
        }
        committed_ = true;
        std::error_code error;
        fs::remove_all(staging_, error);
    }

private:
    struct Move {
        fs::path target;
        fs::path replaced;  // where the file it replaces waits; empty when there was none
        bool done = false;
    };

    static void Rename(const fs::path& from, const fs::path& to) {
        std::error_code error;
        fs::rename(from, to, error);
        if (error) throw Error("cannot move a file to " + Quoted(to) + ": " + error.message());
    }

    void RollBack() noexcept {
        if (committed_) return;
        std::error_code error;
        bool kept_a_replaced_file = false;
        for (auto move = moves_.rbegin(); move != moves_.rend(); ++move) {
            if (move->done) fs::remove(move->target, error);
            if (move->replaced.empty()) continue;
            fs::rename(move->replaced, move->target, error);
            kept_a_replaced_file = kept_a_replaced_file || bool(error);
        }
        moves_.clear();
        // A file that could not be put back stays where it waited rather than be lost.
        if (!staging_.empty() && !kept_a_replaced_file) fs::remove_all(staging_, error);
        if (!folder_.made.empty()) fs::remove_all(folder_.made, error);
        committed_ = true;
    }

    Folder folder_;
    fs::path staging_;
    std::vector<std::string> staged_;
    std::vector<Move> moves_;
    bool committed_ = false;
};

}  // namespace

// unpack PACKAGE DIR: every member becomes a file of its (lower-case) name in
// DIR, all of them or, when anything fails, none.
void Unpack(Args args, std::ostream&) {
    if (args.size() != 2) throw UsageError("unpack needs a package and a directory");
    const TSkinReader reader = OpenPackage(args[0]);
    CheckMemberFileNames(reader.names());
    const fs::path dir = PathFromUtf8(args[1]);
    for (const std::string& name : reader.names()) RefuseWhatIsNoFile(dir / PathFromUtf8(name));
    Unpacking unpacking(dir);
    std::vector<std::uint8_t> bytes;
    for (const std::string& name : reader.names()) {
        reader.GetMember(name, bytes);
        unpacking.Stage(name, bytes);
    }
    unpacking.Commit();
}

}  // namespace korvane::skinpack
