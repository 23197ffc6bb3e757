// Reading only regular files, writing whole files through a temporary file
// or in place, and appends that a full disk cannot cut.
#include "platform/Files.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <climits>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include <optional>

#include "support/FileSizeLimit.h"

namespace qora {
namespace {

class FilesTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() / ("qora-files-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    std::string Read(const std::string& name) const {
        std::ifstream file(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    // The names in the folder (or its subfolder): no temporary file may stay behind.
    std::vector<std::string> Names(const std::string& subfolder = "") const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_ / subfolder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path folder_;
};

TEST_F(FilesTest, AWholeFileReplacesTheOldOneOnlyWhenComplete) {
    ASSERT_EQ(WriteWholeFile(Path("a.txt"), "old text\n"), "");
    ::chmod(Path("a.txt").c_str(), 0640);
    {
        FileSizeLimit full(12);
        EXPECT_NE(WriteWholeFile(Path("a.txt"), "a new text longer than the disk has room for\n"), "");
    }
    EXPECT_EQ(Read("a.txt"), "old text\n");
    EXPECT_EQ(Names(), std::vector<std::string>{"a.txt"});

    ASSERT_EQ(WriteWholeFile(Path("a.txt"), "new\n"), "");
    EXPECT_EQ(Read("a.txt"), "new\n");
    EXPECT_EQ(std::filesystem::status(Path("a.txt")).permissions(), std::filesystem::perms::owner_read |
                                                                        std::filesystem::perms::owner_write |
                                                                        std::filesystem::perms::group_read)
        << "the old file's permissions";
    std::filesystem::create_symlink("a.txt", folder_ / "link.txt");
    ASSERT_EQ(WriteWholeFile(Path("link.txt"), "through the link\n"), "");
    EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "link.txt"));
    EXPECT_EQ(Read("a.txt"), "through the link\n");
    EXPECT_EQ(WriteWholeFile(Path("no/such/folder/b.txt"), "x"), "No such file or directory");
}

// The rename that replaces a file does not override its protection: a file
// the user may not write is refused, and one that no one may write is refused
// to the superuser too.
TEST_F(FilesTest, AProtectedFileIsRefusedAndKept) {
    const bool superuser = ::geteuid() == 0;
    struct Case {
        mode_t mode;
        bool refused;
    };
    const Case cases[] = {
        {0444, true}, {0400, true}, {0000, true}, {0464, !superuser}, {0644, false}, {0200, false},
    };
    for (const auto& [mode, refused] : cases) {
        ASSERT_EQ(WriteWholeFile(Path("kept.txt"), "old\n"), "");
        ::chmod(Path("kept.txt").c_str(), mode);
        EXPECT_EQ(WriteWholeFile(Path("kept.txt"), "new\n"), refused ? "Permission denied" : "") << std::oct << mode;
        ::chmod(Path("kept.txt").c_str(), 0600);
        EXPECT_EQ(Read("kept.txt"), refused ? "old\n" : "new\n") << std::oct << mode;
        EXPECT_EQ(Names(), std::vector<std::string>{"kept.txt"});
    }
}

// Writing through a symbolic link writes the file the link names, in that
// file's folder, also when it is missing; the link stays. A loop is refused.
TEST_F(FilesTest, ASymbolicLinkStaysALink) {
    std::filesystem::create_directories(folder_ / "shared");
    std::filesystem::create_directories(folder_ / "mine");
    const std::filesystem::path shared = folder_ / "shared" / "x.txt";
    struct Case {
        std::vector<std::pair<std::string, std::string>> links;  // link in mine/ -> what it names
        std::string reason;
    };
    const Case cases[] = {
        {{{"x.txt", "../shared/x.txt"}}, ""},
        {{{"x.txt", shared.string()}}, ""},
        {{{"x.txt", "y.txt"}, {"y.txt", "../shared/x.txt"}}, ""},
        {{{"x.txt", "x.txt"}}, "Too many levels of symbolic links"},
        {{{"x.txt", "y.txt"}, {"y.txt", "x.txt"}}, "Too many levels of symbolic links"},
    };
    for (const bool targetExists : {false, true}) {
        for (const auto& [links, reason] : cases) {
            std::filesystem::remove_all(folder_ / "mine");
            std::filesystem::create_directories(folder_ / "mine");
            std::filesystem::remove(shared);
            if (targetExists) {
                ASSERT_EQ(WriteWholeFile(shared.string(), "old\n"), "");
            }
            for (const auto& [link, named] : links) std::filesystem::create_symlink(named, folder_ / "mine" / link);
            const std::string trace = links.front().second + (targetExists ? " to a file" : " to nothing");
            EXPECT_EQ(WriteWholeFile(Path("mine/x.txt"), "new\n"), reason) << trace;
            for (const auto& [link, named] : links)
                EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "mine" / link)) << trace;
            EXPECT_EQ(Read("shared/x.txt"), reason.empty() ? "new\n" : targetExists ? "old\n" : "") << trace;
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_ / "shared"), {}),
                      reason.empty() || targetExists ? 1 : 0)
                << trace << ": no temporary file stays";
        }
    }
}

// Runs `work` in a child process as the user `uid`, with the group of the
// same number and the further `groups`, as an ordinary user would run it
// (the system lets every write of the superuser pass): the text it returns.
std::string AsUser(uid_t uid, const std::vector<gid_t>& groups, const std::function<std::string()>& work) {
    const gid_t gid = uid;
    int channel[2];
    if (::pipe(channel) != 0) return "(no pipe)";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::string answer = "(cannot become the user)";
        if (::setgroups(groups.size(), groups.data()) == 0 && ::setresgid(gid, gid, gid) == 0 &&
            ::setresuid(uid, uid, uid) == 0)
            answer = work();
        (void)!::write(channel[1], answer.data(), answer.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string answer;
    char piece[256];
    for (ssize_t got; (got = ::read(channel[0], piece, sizeof piece)) > 0;) answer.append(piece, got);
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return answer;
}

// The users and groups of the cases below; none has to exist.
constexpr uid_t Root = 0;
constexpr uid_t Member = 4201;  // in the group Team
constexpr uid_t Other = 4202;
constexpr gid_t Team = 4301;

// A whole file written by the user in each situation keeps what the file
// was: its other name, its owner, group and permissions, its place in a
// folder the user may not write, its attributes. Where the old content is
// written over, a full disk leaves it as it was, and a copy of it that
// cannot be made refuses the write.
TEST_F(FilesTest, AWholeFileKeepsWhatTheFileWas) {
    if (::geteuid() != 0) GTEST_SKIP() << "files of other users are made by the superuser";
    struct Owned {
        uid_t user;
        gid_t group;
        mode_t mode;
    };
    enum Extra { None = 0, SecondName = 1, Attribute = 2 };  // a hard link "other.txt"; a user's attribute
    struct Case {
        const char* situation;
        Owned folder;
        Owned file;
        uid_t writer;
        int extras = None;
        rlim_t sizeLimit = 0;     // a full disk: no file grows beyond it
        std::string answer = "";  // "FOLDER/" stands for the file's folder
    };
    const Owned mine{Member, Member, 0755};
    const Owned myFile{Member, Member, 0644};
    const Owned writeOnly{Member, Member, 0200};
    const Case cases[] = {
        {"a second name", mine, myFile, Member, SecondName},
        {"a team's file", {Root, Team, 0775}, {Root, Team, 0664}, Member},
        {"a folder the user may not write", {Root, Root, 0755}, {Root, Root, 0666}, Member},
        {"a sticky folder", {Root, Root, 01777}, {Other, Other, 0666}, Member},
        {"a user's file written by the superuser", mine, {Member, Member, 0640}, Root},
        {"an attribute", mine, myFile, Member, Attribute},
        {"a file the user may not write", mine, {Root, Root, 0644}, Member, None, 0, "Permission denied"},
        {"a full disk, in place", mine, myFile, Member, SecondName, 24, "File too large"},
        {"a second name, unreadable", mine, writeOnly, Member, SecondName, 0,  //
         "cannot read the old file to keep a copy of it: Permission denied"},
        {"no room for the copy", mine, myFile, Member, SecondName, 8,
         "cannot keep a copy of the old file in FOLDER/: File too large"},
    };
    const std::string oldText = "the old text\n";
    const std::string newText = "a new text, longer than the old one\n";
    const std::filesystem::path spare = folder_ / "spare";  // the temporary folder
    for (const Case& test : cases) {
        const std::filesystem::path folder = folder_ / "case";
        const std::string file = (folder / "file.txt").string();
        std::filesystem::remove_all(folder);
        std::filesystem::remove_all(spare);
        std::filesystem::create_directories(spare);
        ::chmod(spare.c_str(), 01777);
        std::filesystem::create_directories(folder);
        ASSERT_EQ(WriteWholeFile(file, oldText), "");
        std::vector<std::string> names = {"file.txt"};
        if ((test.extras & SecondName) != 0) {
            std::filesystem::create_hard_link(file, folder / "other.txt");
            names.push_back("other.txt");
        }
        if ((test.extras & Attribute) != 0 && ::setxattr(file.c_str(), "user.note", "kept", 4, 0) != 0)
            continue;  // not on this disk
        for (const auto& [path, owned] : {std::pair{file, test.file}, std::pair{folder.string(), test.folder}}) {
            ASSERT_EQ(::chown(path.c_str(), owned.user, owned.group), 0);
            ASSERT_EQ(::chmod(path.c_str(), owned.mode), 0);
        }
        const std::string answer = AsUser(test.writer, {Team}, [&] {
            ::setenv("TMPDIR", spare.c_str(), 1);
            std::optional<FileSizeLimit> full;
            if (test.sizeLimit != 0) full.emplace(test.sizeLimit);
            return WriteWholeFile(file, newText);
        });
        std::string expected = test.answer;
        if (const auto at = expected.find("FOLDER/"); at != std::string::npos)
            expected.replace(at, 7, folder.string() + "/");
        EXPECT_EQ(answer, expected) << test.situation;
        for (const std::string& name : names)
            EXPECT_EQ(Read("case/" + name), expected.empty() ? newText : oldText) << test.situation << ": " << name;
        struct stat now {};
        ASSERT_EQ(::stat(file.c_str(), &now), 0);
        EXPECT_EQ(now.st_uid, test.file.user) << test.situation;
        EXPECT_EQ(now.st_gid, test.file.group) << test.situation;
        EXPECT_EQ(now.st_mode & 07777, test.file.mode) << test.situation;
        EXPECT_EQ(now.st_nlink, names.size()) << test.situation;
        char note[8] = {};
        if ((test.extras & Attribute) != 0) {
            EXPECT_EQ(::getxattr(file.c_str(), "user.note", note, sizeof note), 4) << test.situation;
        }
        EXPECT_EQ(Names("case"), names) << test.situation << ": no temporary file or copy stays";
        EXPECT_TRUE(std::filesystem::is_empty(spare)) << test.situation << ": no copy stays";
    }
}

// A file moved under the name while the new content is written, one that
// the user may not write, is never replaced: the check and the rename leave
// no moment between them. The mover moves the file as soon as the writer's
// temporary file appears; a large text keeps the writer busy meanwhile.
TEST_F(FilesTest, AProtectedFileMovedUnderTheNameIsNotReplaced) {
    const std::string text(std::size_t{16} << 20, 'n');
    for (int attempt = 0; attempt < 10; ++attempt) {
        ASSERT_EQ(WriteWholeFile(Path("keep.txt"), "old\n"), "");
        ASSERT_EQ(WriteWholeFile(Path("protected.txt"), "protected\n"), "");
        ASSERT_EQ(::chmod(Path("protected.txt").c_str(), 0444), 0);
        std::atomic<bool> done{false};
        std::string answer;
        std::thread writer([&] {
            answer = WriteWholeFile(Path("keep.txt"), text);
            done = true;
        });
        for (bool moved = false; !moved && !done;)
            for (const auto& entry : std::filesystem::directory_iterator(folder_))
                if (entry.path().filename().string().starts_with(".qora-")) {
                    moved = ::rename(Path("protected.txt").c_str(), Path("keep.txt").c_str()) == 0;
                    break;
                }
        writer.join();
        ::rename(Path("protected.txt").c_str(), Path("keep.txt").c_str());  // when the writer was first
        EXPECT_TRUE(Read("keep.txt") == "protected\n") << "try " << attempt << ": " << answer;
        EXPECT_TRUE(answer.empty() || answer == "Permission denied") << answer;
        EXPECT_EQ(Names(), std::vector<std::string>{"keep.txt"});
        ::chmod(Path("keep.txt").c_str(), 0644);
    }
}

// The temporary file has a short name of its own: a name as long as the
// system allows is written, new and again.
TEST_F(FilesTest, ANameAsLongAsTheSystemAllowsIsWritten) {
    const std::string name = std::string(NAME_MAX - 4, 'n') + ".wds";
    ASSERT_EQ(WriteWholeFile(Path(name), "first\n"), "");
    ASSERT_EQ(WriteWholeFile(Path(name), "second\n"), "");
    EXPECT_EQ(Read(name), "second\n");
    EXPECT_EQ(Names(), std::vector<std::string>{name});
}

TEST_F(FilesTest, AFailedAppendLeavesTheFileAsItWas) {
    ASSERT_EQ(AppendToFile(Path("log.txt"), "one\n"), "");
    ASSERT_EQ(AppendToFile(Path("log.txt"), "two\n"), "");
    {
        FileSizeLimit full(12);
        EXPECT_NE(AppendToFile(Path("log.txt"), "three, which does not fit\n"), "");
    }
    EXPECT_EQ(Read("log.txt"), "one\ntwo\n");
}

// A line appended to a file of lines begins on a line of its own, and a
// record appended to a file of records after an empty line, also when an
// editor took the last line's line end or the last record's empty line away.
TEST_F(FilesTest, AnAppendedLineBeginsOnALineOfItsOwn) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "L\n"}, {"A\n", "A\nL\n"}, {"A\r\n", "A\r\nL\n"}, {"A", "A\nL\n"}, {"A\n\n", "A\n\nL\n"},
    };
    for (const auto& [old, appended] : cases) {
        ASSERT_EQ(WriteWholeFile(Path("lines.txt"), old), "");
        ASSERT_EQ(AppendToFile(Path("lines.txt"), "L\n", AppendStart::AfterLineEnd), "");
        EXPECT_EQ(Read("lines.txt"), appended) << testing::PrintToString(old);
    }
}

// A record appended to a file of records begins after an empty line, also
// when an editor took the last record's empty line or line end away.
TEST_F(FilesTest, AnAppendedRecordBeginsAfterTheLastRecordsEmptyLine) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "R\n\n"},           {"A\n\n", "A\n\nR\n\n"}, {"A\r\n\r\n", "A\r\n\r\nR\n\n"},
        {"A\r\r", "A\r\rR\n\n"}, {"A\n", "A\n\nR\n\n"},   {"A\r\n", "A\r\n\nR\n\n"},
        {"A", "A\n\nR\n\n"},     {"\n", "\n\nR\n\n"},
    };
    for (const auto& [old, appended] : cases) {
        ASSERT_EQ(WriteWholeFile(Path("records.txt"), old), "");
        ASSERT_EQ(AppendToFile(Path("records.txt"), "R\n\n", AppendStart::AfterEmptyLine), "");
        EXPECT_EQ(Read("records.txt"), appended) << testing::PrintToString(old);
    }
    std::filesystem::remove(folder_ / "records.txt");
    ASSERT_EQ(AppendToFile(Path("records.txt"), "R\n\n", AppendStart::AfterEmptyLine), "") << "a new file";
    EXPECT_EQ(Read("records.txt"), "R\n\n");
}

// A folder or a FIFO where a file belongs is refused at once: nothing waits
// for a writer, nothing allocates the size a folder claims, nothing replaces
// them.
TEST_F(FilesTest, OnlyRegularFilesAreReadOrWritten) {
    std::filesystem::create_directory(folder_ / "folder.txt");
    ASSERT_EQ(::mkfifo(Path("fifo.txt").c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {{"folder.txt", "it is a folder, not a file"},
                                                         {"fifo.txt", "it is not a regular file"}};
    for (const auto& [name, reason] : cases) {
        std::string bytes, error;
        std::uint64_t size = 0;
        EXPECT_FALSE(ReadWholeFile(Path(name), bytes, error));
        EXPECT_EQ(error, reason) << name;
        EXPECT_FALSE(ReadFileStart(Path(name), 92, bytes, size, error));
        EXPECT_EQ(error, reason) << name;
        EXPECT_EQ(WriteWholeFile(Path(name), "x"), reason) << name;
        EXPECT_EQ(AppendToFile(Path(name), "x"), reason) << name;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(folder_ / "fifo.txt"));

    std::string bytes, error;
    ASSERT_EQ(WriteWholeFile(Path("ten.txt"), "0123456789"), "");
    EXPECT_FALSE(ReadWholeFile(Path("ten.txt"), bytes, error, 9));
    EXPECT_EQ(error, "it is larger than 9 bytes");
    std::uint64_t size = 0;
    ASSERT_TRUE(ReadFileStart(Path("ten.txt"), 4, bytes, size, error));
    EXPECT_EQ(bytes, "0123");
    EXPECT_EQ(size, 10u);
}

}  // namespace
}  // namespace qora
