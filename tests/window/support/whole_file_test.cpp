#include "whole_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(const fs::path& path, const std::string& data) {
    std::ofstream(path, std::ios::binary) << data;
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

void WriteProc(const char* file, const std::string& text) {
    std::ofstream(file) << text;
}

// Runs `check` in a child process that has a small tmpfs of its own mounted on `folder` (in a
// mount namespace, and a user namespace where the test does not run as root): a disk that is full
// after `size`. `check` returns an empty text when all holds, else what failed.
std::string OnSmallDisk(const fs::path& folder, const char* options,
                        const std::function<std::string()>& check) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        return "pipe failed";
    }
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        std::string result;
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0) {
            WriteProc("/proc/self/setgroups", "deny");
            WriteProc("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1");
            WriteProc("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1");
        } else if (::unshare(CLONE_NEWNS) != 0) {
            result = "no mount namespace: " + std::to_string(errno);
        }
        if (result.empty() && (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                               ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options) != 0)) {
            result = "mount failed: " + std::to_string(errno);
        }
        if (result.empty()) {
            result = check();
        }
        (void)!::write(pipeEnds[1], result.data(), result.size());
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string result;
    char buffer[256];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        result.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? result : "the child did not end normally";
}

class WholeFileTest : public testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/whole-file-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        folder_ = name;
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_F(WholeFileTest, WritesANewFileWithTheUsualPermissions) {
    const mode_t mask = ::umask(022);
    const auto failure = WriteWholeFile((folder_ / "kroky.csv").string(), "i,smer\n0,+\n");
    ::umask(mask);
    EXPECT_FALSE(failure.has_value());
    EXPECT_EQ(Read(folder_ / "kroky.csv"), "i,smer\n0,+\n");
    EXPECT_EQ(fs::status(folder_ / "kroky.csv").permissions(), fs::perms(0644));
    EXPECT_EQ(Names(folder_), std::vector<std::string>{"kroky.csv"});
}

TEST_F(WholeFileTest, ReplacesAFileKeepingItsPermissions) {
    Put(folder_ / "kroky.csv", "old");
    fs::permissions(folder_ / "kroky.csv", fs::perms(0600));
    EXPECT_FALSE(WriteWholeFile((folder_ / "kroky.csv").string(), "new").has_value());
    EXPECT_EQ(Read(folder_ / "kroky.csv"), "new");
    EXPECT_EQ(fs::status(folder_ / "kroky.csv").permissions(), fs::perms(0600));
}

TEST_F(WholeFileTest, FullDiskLeavesNoFileAndNamesTheCause) {
    const fs::path disk = folder_;
    EXPECT_EQ(OnSmallDisk(disk, "size=4k",
                          [&]() -> std::string {
                              const auto failure = WriteWholeFile((disk / "kroky.csv").string(),
                                                                  std::string(6000, 'x'));
                              if (!failure || failure->step != TFileStep::Write ||
                                  failure->error != ENOSPC) {
                                  return "no full-disk failure";
                              }
                              return Names(disk).empty() ? "" : "a file was left behind";
                          }),
              "");
}

TEST_F(WholeFileTest, FullDiskKeepsTheFileItWouldHaveReplaced) {
    const fs::path disk = folder_;
    EXPECT_EQ(OnSmallDisk(
                  disk, "size=8k",
                  [&]() -> std::string {
                      Put(disk / "kroky.csv", "old");
                      if (!WriteWholeFile((disk / "kroky.csv").string(), std::string(9000, 'x'))) {
                          return "reported as saved";
                      }
                      if (Names(disk) != std::vector<std::string>{"kroky.csv"}) {
                          return "a staging file was left behind";
                      }
                      return Read(disk / "kroky.csv") == "old" ? "" : "the old file changed";
                  }),
              "");
}

TEST_F(WholeFileTest, ReadOnlyDiskRefusesTheStagingFile) {
    const fs::path disk = folder_;
    EXPECT_EQ(OnSmallDisk(disk, "size=4k,mode=0777",
                          [&]() -> std::string {
                              if (::mount(nullptr, disk.c_str(), nullptr, MS_REMOUNT | MS_RDONLY,
                                          nullptr) != 0) {
                                  return "remount failed";
                              }
                              const auto failure = WriteWholeFile((disk / "a.png").string(), "x");
                              return failure && failure->step == TFileStep::Create &&
                                             failure->error == EROFS
                                         ? ""
                                         : "no read-only failure";
                          }),
              "");
}

TEST(FileFailureTextTest, SaysWhatFailedAndWhyInSlovak) {
    struct Case {
        TFileFailure failure;
        const char* text;
    };
    const Case cases[] = {
        {{TFileStep::Create, EROFS},
         "Do priečinka „/media/usb“ sa nedá zapisovať: disk je len na čítanie. Nič sa neuložilo."},
        {{TFileStep::Create, EPERM},
         "Do priečinka „/media/usb“ sa nedá zapisovať: priečinok alebo súbor je chránený proti "
         "zmenám. Nič sa neuložilo."},
        {{TFileStep::Write, ENOSPC},
         "Súbor „/media/usb/kroky.csv“ sa nepodarilo zapísať celý: na disku nie je dosť miesta. "
         "Nič sa neuložilo."},
        {{TFileStep::Rename, 71},
         "Súbor „/media/usb/kroky.csv“ sa nepodarilo uložiť: chyba systému č. 71. Nič sa "
         "neuložilo."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileFailureText(c.failure, "/media/usb/kroky.csv", "/media/usb"), c.text);
    }
}

} // namespace
