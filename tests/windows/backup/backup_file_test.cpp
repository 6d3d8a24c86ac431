#include "app/backup/backup_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "app/tool_commands.h"
#include "tests/support/build_paths.h"

namespace velmora {
namespace {

// Stands for a scanner, indexer or sync client: it opens every finished temporary file of the
// directory for reading the moment it can, as such programs do when a writer closes a file, and
// holds it a little. It shares the file in every way, so it never stops a rename.
class Scanner {
  public:
    explicit Scanner(std::string directory) : directory_(std::move(directory)), thread_([this] { Run(); }) {}
    ~Scanner() {
        stop_ = true;
        thread_.join();
    }

  private:
    void Run() {
        while (!stop_) {
            WIN32_FIND_DATAA found;
            const HANDLE search = FindFirstFileA((directory_ + "\\*.tmp").c_str(), &found);
            if (search == INVALID_HANDLE_VALUE)
                continue;
            FindClose(search);
            // Only a file with lines in it: the empty one is still being set up.
            const std::string path = directory_ + "\\" + found.cFileName;
            WIN32_FILE_ATTRIBUTE_DATA attributes;
            if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &attributes) || attributes.nFileSizeLow == 0)
                continue;
            const HANDLE file =
                CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file == INVALID_HANDLE_VALUE)
                continue;
            Sleep(20);
            CloseHandle(file);
        }
    }

    std::string directory_;
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// A reader that opens the new file once it is closed must not cost the backup: the race between the
// writer's close and such a reader is lost often enough in a few hundred backups.
TEST(BackupFile, AReaderOfTheClosedFileDoesNotCostTheBackup) {
    const std::string directory = test::MakeScratchDirectory("backup-file");
    ASSERT_FALSE(directory.empty());
    Scanner scanner(directory);
    for (int i = 0; i < 200; ++i) {
        BackupFile file;
        ASSERT_TRUE(file.Open(directory.c_str())) << i;
        ASSERT_TRUE(tool::WriteLines(file.number(), "[IconNum:0]")) << i;
        const std::string stamp = "backup " + std::to_string(i);
        const Text path = file.Commit(stamp.c_str());
        ASSERT_TRUE(path) << "backup " << i << " was lost";
        EXPECT_EQ(std::string(path.get()), directory + "\\" + stamp + ".ini");
        EXPECT_EQ(ReadBytes(path.get()), "[IconNum:0]\r\n");
    }
}

}  // namespace
}  // namespace velmora
