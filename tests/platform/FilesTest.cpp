// Reading only regular files, writing whole files through a temporary file,
// and appends that a full disk cannot cut.
#include "platform/Files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include <filesystem>
#include <fstream>

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
    // The names in the folder: no temporary file may stay behind.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_))
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
