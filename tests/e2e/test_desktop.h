// The user and common desktop directories of the Wine prefix, laid out for one test and emptied again
// afterwards, so that tests do not see each other's icons.
#pragma once

#include <string>
#include <vector>

namespace velmora::test {

class TestDesktop {
  public:
    TestDesktop();  // empties both directories
    TestDesktop(const TestDesktop&) = delete;
    TestDesktop& operator=(const TestDesktop&) = delete;
    ~TestDesktop();  // empties them again

    const std::string& userDirectory() const { return user_; }      // ends in "\"
    const std::string& commonDirectory() const { return common_; }  // no trailing "\"

    // Names are GBK; false (with a test failure) when the file system refuses.
    bool AddFile(const std::string& directory, const std::string& name) const;
    bool AddFolder(const std::string& directory, const std::string& name) const;
    bool AddShortcut(const std::string& directory, const std::string& name, const std::string& target) const;

  private:
    std::string user_;
    std::string common_;
};

// Removes a directory and everything in it.
void RemoveTree(const std::string& path);

}  // namespace velmora::test
