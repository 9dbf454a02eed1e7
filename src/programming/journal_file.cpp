#include "programming/journal_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

#include "programming/journal_platform.h"

namespace tarnwick {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string Failed(const std::string& what, const std::filesystem::path& path, int error) {
  return what + " " + path.string() + ": " + std::generic_category().message(error);
}

// Leaves the file positioned for writing, as a read must be before a write.
bool EndsInCutOffLine(std::FILE* file) {
  const bool cutOff = std::fseek(file, -1, SEEK_END) == 0 && std::fgetc(file) != '\n';
  std::fseek(file, 0, SEEK_END);
  return cutOff;
}

}  // namespace

std::optional<std::string> AppendDurably(const std::filesystem::path& file, std::string_view line) {
  const std::filesystem::path directory = file.parent_path();
  std::error_code error;
  if (!directory.empty() && !std::filesystem::is_directory(directory)) {
    std::filesystem::create_directories(directory, error);
    if (error) return "cannot create " + directory.string() + ": " + error.message();
  }
  const bool created = !std::filesystem::exists(file, error);

  errno = 0;
  const File out(std::fopen(file.string().c_str(), "a+b"));
  if (!out) return Failed("cannot open", file, errno);
  const bool written = (!EndsInCutOffLine(out.get()) || std::fputc('\n', out.get()) != EOF) &&
                       std::fwrite(line.data(), 1, line.size(), out.get()) == line.size() &&
                       std::fflush(out.get()) == 0 && SyncFileToDisk(out.get());
  if (!written) return Failed("cannot write", file, errno);
  if (created && !SyncDirectoryToDisk(directory)) return Failed("cannot sync", directory, errno);
  return std::nullopt;
}

}  // namespace tarnwick
