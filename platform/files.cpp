#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>
#include <vector>

#include "platform/ansi.h"

namespace platform {
namespace {

constexpr std::size_t kCopyChunk = std::size_t{1} << 20;

// The OS (UTF-8) form of a code page 932 path, or false when the path must not
// reach the OS: it holds a NUL byte, or "?" once converted. That "?" is either
// the path's own (what a lossy conversion of a name leaves, and a character no
// Windows name can hold) or stands for a byte sequence the code page does not
// define; either way the path could name a different file than the one meant.
bool OsPath(const std::string& path, std::string& os) {
  if (path.empty() || path.find('\0') != std::string::npos) return false;
  os = Cp932ToUtf8(path);
  return os.find('?') == std::string::npos;
}

// Length of the UTF-8 character starting at text[0]: its lead byte's length when
// the continuation bytes are there, else 1 (a stray byte is a character of its own).
std::size_t Utf8CharLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (length > text.size()) return 1;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

}  // namespace

// A name read from the OS, as code page 932. A character that does not come back
// unchanged through the code page becomes "?": one it cannot hold, and one it maps
// onto another (U+301C WAVE DASH reads back as U+FF5E), so that the name can never
// address a different file than the one it was read from.
std::string OsNameToCp932(std::string_view utf8) {
  std::string cp932 = Utf8ToCp932(utf8);
  if (Cp932ToUtf8(cp932) == utf8) return cp932;
  cp932.clear();
  for (std::size_t i = 0; i < utf8.size();) {
    const std::string_view character = utf8.substr(i, Utf8CharLength(utf8.substr(i)));
    const std::string converted = Utf8ToCp932(character);
    cp932 += Cp932ToUtf8(converted) == character ? converted : "?";
    i += character.size();
  }
  return cp932;
}

namespace {

// The last component of a path, trailing separators ignored.
std::string_view BaseName(std::string_view path) {
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool IsHiddenName(std::string_view name) {
  return name.size() > 0 && name[0] == '.' && name != "." && name != "..";
}

std::uint32_t AttributesOf(const struct stat& status, std::string_view name) {
  std::uint32_t attributes = S_ISDIR(status.st_mode)   ? faDirectory
                             : S_ISREG(status.st_mode) ? faArchive
                                                       : faSysFile;
  if ((status.st_mode & S_IWUSR) == 0) attributes |= faReadOnly;
  if (IsHiddenName(name)) attributes |= faHidden;
  return attributes;
}

bool IsWritableRegular(const struct stat& status) {
  return S_ISREG(status.st_mode) && (status.st_mode & S_IWUSR) != 0;
}

// The file that a write to os replaces: the target of a symbolic link, the path
// itself otherwise. exists is false for a path that names nothing yet. Fails for a
// broken link and for an existing target that is not a writable regular file
// (a read-only file is refused, as Windows refuses it).
bool ResolveWriteTarget(const std::string& os, std::string& target, struct stat& status,
                        bool& exists) {
  struct stat link_status;
  if (lstat(os.c_str(), &link_status) != 0) {
    target = os;
    exists = false;
    return errno == ENOENT;
  }
  exists = true;
  if (!S_ISLNK(link_status.st_mode)) {
    target = os;
    status = link_status;
    return IsWritableRegular(status);
  }
  char* resolved = realpath(os.c_str(), nullptr);
  if (resolved == nullptr) return false;
  target = resolved;
  std::free(resolved);
  return stat(target.c_str(), &status) == 0 && IsWritableRegular(status);
}

// A name in the folder of target that is not likely to be taken.
std::string RandomNameBeside(const std::string& target) {
  static std::mt19937_64 random{std::random_device{}()};
  static constexpr char kDigits[] = "0123456789abcdef";
  const std::size_t slash = target.rfind('/');
  std::string name = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  name += ".plyfix-";
  std::uint64_t bits = random();
  for (int digit = 0; digit < 12; ++digit, bits >>= 4) name += kDigits[bits & 15];
  return name;
}

// Creates a new, empty file with an unused name in the folder of target, so that
// a rename can later put it in target's place.
int CreateTempBeside(const std::string& target, mode_t mode, std::string& temp) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = RandomNameBeside(target);
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

bool PwriteAll(int fd, std::string_view content) {
  off_t offset = 0;
  while (static_cast<std::size_t>(offset) < content.size()) {
    const ssize_t written = pwrite(fd, content.data() + offset,
                                   content.size() - static_cast<std::size_t>(offset), offset);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    offset += written;
  }
  return true;
}

// Reads fd to its end; expected is the size fstat reported, a hint only, since
// the file may grow or shrink while it is read. A read that returns less than
// asked of a regular file has reached its end, which saves the read that would
// return nothing.
bool ReadAll(int fd, std::size_t expected, std::string& content) {
  std::string data(expected + 1, '\0');
  std::size_t used = 0;
  for (;;) {
    if (used == data.size()) data.resize(data.size() * 2);
    const std::size_t asked = data.size() - used;
    const ssize_t got = read(fd, data.data() + used, asked);
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    used += static_cast<std::size_t>(got);
    if (got == 0 || static_cast<std::size_t>(got) < asked) break;
  }
  data.resize(used);
  content = std::move(data);
  return true;
}

std::int64_t Nanoseconds(const timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

FileIdentity IdentityOf(const struct stat& status) {
  return {status.st_dev, status.st_ino, status.st_size, Nanoseconds(status.st_mtim)};
}

// The process's file mode creation mask, read once.
mode_t CreationMask() {
  static const mode_t mask = [] {
    const mode_t current = umask(022);
    umask(current);
    return current;
  }();
  return mask;
}

// Writes every line followed by terminator through one buffer, so that a small
// file takes one write and a large one is never joined in memory.
bool WriteLines(int fd, std::span<const std::string_view> lines, std::string_view terminator) {
  constexpr std::size_t kBufferLimit = std::size_t{1} << 20;
  std::size_t total = 0;
  for (const std::string_view line : lines) total += line.size() + terminator.size();
  thread_local std::string buffer;
  buffer.clear();
  buffer.reserve(std::min(total, kBufferLimit));
  const auto flush = [&] {
    const bool ok = WriteAll(fd, buffer.data(), buffer.size());
    buffer.clear();
    return ok;
  };
  for (const std::string_view line : lines) {
    if (buffer.size() + line.size() + terminator.size() > kBufferLimit) {
      if (!flush()) return false;
      if (line.size() >= kBufferLimit && !WriteAll(fd, line.data(), line.size())) return false;
    }
    if (line.size() < kBufferLimit) buffer.append(line);
    buffer.append(terminator);
  }
  const bool ok = flush();
  if (buffer.capacity() > kBufferLimit) std::string().swap(buffer);
  return ok;
}

// Reads one extended attribute's names or value, growing the buffer as needed;
// the length read, or -1.
template <typename Read>
ssize_t ReadGrowing(std::vector<char>& buffer, Read read) {
  for (;;) {
    const ssize_t got = read(buffer.data(), buffer.size());
    if (got >= 0 || errno != ERANGE) return got;
    const ssize_t needed = read(nullptr, 0);
    if (needed < 0) return needed;
    buffer.resize(static_cast<std::size_t>(needed) + 1);
  }
}

// Finishes a temporary file: closes it and renames it over target, or removes it
// when anything before went wrong.
bool CommitTemp(int fd, bool ok, const std::string& temp, const std::string& target) {
  ok = close(fd) == 0 && ok;
  ok = ok && rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) unlink(temp.c_str());
  return ok;
}

// Replaces target by a new file holding content, written beside it and renamed
// over it, so that the old content stays whole until the new one is complete.
// original is the replaced file's status, null for a new file (which gets
// 0666 less the umask). No fsync: a rename that replaces a file is ordered after
// its data on ext4, and a sync per file would make a run over many files far
// slower than an ordinary in-place editor.
bool ReplaceByRename(const std::string& target, std::string_view content,
                     const struct stat* original) {
  std::string temp;
  const int fd = CreateTempBeside(target, original != nullptr ? 0600 : 0666, temp);
  if (fd < 0) return false;
  bool ok = true;
  if (original != nullptr) {
    if ((original->st_uid != geteuid() || original->st_gid != getegid()) &&
        fchown(fd, original->st_uid, original->st_gid) != 0) {
      // Only a privileged process may give a file to another owner; the new file
      // then stays the process's own, with the original's permission bits.
    }
    ok = fchmod(fd, original->st_mode & 07777) == 0;
  }
  ok = ok && WriteAll(fd, content.data(), content.size());
  return CommitTemp(fd, ok, temp, target);
}

// Rewrites a file that has several hard links in place, so that every name goes
// on seeing the same file; a rename would split the links apart. This is not
// crash-atomic: a crash or an I/O error during the write leaves a mix of old and
// new bytes. The new size is reserved first, so the common failures (disk full,
// file size limit) surface before a byte of the old content changes.
bool WriteInPlace(const std::string& target, std::string_view content) {
  const int fd = open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const auto size = static_cast<off_t>(content.size());
  bool ok = size == 0 || posix_fallocate(fd, 0, size) == 0;
  ok = ok && PwriteAll(fd, content) && ftruncate(fd, size) == 0;
  return close(fd) == 0 && ok;
}

// An enumeration over an open directory stream. With kinds_only, a file or
// folder that the directory entry names as such is taken from there, without a
// look-up of its status (and so without the read-only bit).
class DirectorySearch : public FolderSearch {
 public:
  DirectorySearch(DIR* directory, bool kinds_only)
      : directory_(directory), kinds_only_(kinds_only) {}
  ~DirectorySearch() override {
    if (directory_ != nullptr) closedir(directory_);
  }

  bool Next(FindData& entry) override {
    if (directory_ == nullptr) return false;
    const dirent* found = readdir(directory_);
    if (found == nullptr) return false;
    entry.name = OsNameToCp932(found->d_name);
    const std::uint32_t hidden = IsHiddenName(found->d_name) ? faHidden : 0;
    if (kinds_only_ && (found->d_type == DT_DIR || found->d_type == DT_REG)) {
      entry.attributes = (found->d_type == DT_DIR ? faDirectory : faArchive) | hidden;
      return true;
    }
    // Attributes follow symbolic links; an entry that cannot be queried (a broken
    // link) counts as a system entry, so it is never taken for a file to write.
    struct stat status;
    entry.attributes = fstatat(dirfd(directory_), found->d_name, &status, 0) == 0
                           ? AttributesOf(status, found->d_name)
                           : faSysFile | hidden;
    if (kinds_only_) entry.attributes &= ~faReadOnly;
    return true;
  }

  bool Close() override {
    DIR* directory = std::exchange(directory_, nullptr);
    return directory != nullptr && closedir(directory) == 0;
  }

 private:
  DIR* directory_;
  bool kinds_only_;
};

std::unique_ptr<FolderSearch> StartSearch(const std::string& folder, FindData& entry,
                                          bool kinds_only) {
  std::string os;
  if (!OsPath(folder, os)) return nullptr;
  DIR* directory = opendir(os.c_str());
  if (directory == nullptr) return nullptr;
  auto search = std::make_unique<DirectorySearch>(directory, kinds_only);
  if (!search->Next(entry)) return nullptr;
  return search;
}

FileService* installed_service = nullptr;

std::string& ExeDirOverride() {
  static std::string folder;
  return folder;
}

std::string ReadExeDir() {
  std::vector<char> buffer(256);
  for (;;) {
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return "./";
    if (static_cast<std::size_t>(length) < buffer.size()) {
      const std::string exe(buffer.data(), static_cast<std::size_t>(length));
      return OsNameToCp932(exe.substr(0, exe.rfind('/') + 1));
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::uint32_t FileService::GetAttributes(const std::string& path) {
  std::string os;
  struct stat status;
  if (!OsPath(path, os) || stat(os.c_str(), &status) != 0) return kInvalidAttributes;
  return AttributesOf(status, BaseName(os));
}

bool FileService::SetAttributes(const std::string& path, std::uint32_t attributes) {
  std::string os;
  struct stat status;
  if (!OsPath(path, os) || stat(os.c_str(), &status) != 0) return false;
  const mode_t mode =
      (attributes & faReadOnly) != 0 ? status.st_mode & ~mode_t{0222} : status.st_mode | S_IWUSR;
  return chmod(os.c_str(), mode & 07777) == 0;
}

bool FileService::FileExists(const std::string& path) {
  std::string os;
  struct stat status;
  return OsPath(path, os) && stat(os.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

bool FileService::DirectoryExists(const std::string& path) {
  std::string os;
  struct stat status;
  return OsPath(path, os) && stat(os.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool FileService::ReadFile(const std::string& path, std::string& content) {
  FileIdentity identity;
  std::uint32_t fs_flags = 0;
  return ReadFile(path, content, identity, fs_flags);
}

bool FileService::ReadFile(const std::string& path, std::string& content, FileIdentity& identity,
                           std::uint32_t& fs_flags) {
  std::string os;
  struct stat status;
  // The type is checked before opening (opening a device can have effects of its
  // own) and again on the open file, in case the name was replaced in between.
  if (!OsPath(path, os) || stat(os.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
    return false;
  }
  const int fd = open(os.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  if (ok) {
    identity = IdentityOf(status);
    int flags = 0;
    fs_flags = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 ? static_cast<std::uint32_t>(flags) : 0;
    ok = ReadAll(fd, static_cast<std::size_t>(status.st_size), content);
  }
  close(fd);
  return ok;
}

bool FileService::WriteFile(const std::string& path, std::string_view content) {
  std::string os;
  std::string target;
  struct stat status;
  bool exists = false;
  if (!OsPath(path, os) || !ResolveWriteTarget(os, target, status, exists)) return false;
  if (exists && status.st_nlink > 1) return WriteInPlace(target, content);
  return ReplaceByRename(target, content, exists ? &status : nullptr);
}

bool FileService::CopyFile(const std::string& from, const std::string& to) {
  std::string os_from;
  std::string os_to;
  std::string target;
  struct stat source_status;
  struct stat target_status;
  bool exists = false;
  if (!OsPath(from, os_from) || !OsPath(to, os_to) || stat(os_from.c_str(), &source_status) != 0 ||
      !S_ISREG(source_status.st_mode) ||
      !ResolveWriteTarget(os_to, target, target_status, exists)) {
    return false;
  }
  const int in = open(os_from.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (in < 0) return false;
  // An existing target is replaced by a copy made beside it and renamed over it,
  // so it stays whole until the copy is. A new target is made in its own place,
  // which saves the rename (costly on a journalled file system, once per backup);
  // a failed copy removes it again.
  std::string written;
  int out = -1;
  if (fstat(in, &source_status) == 0 && S_ISREG(source_status.st_mode)) {
    if (exists) {
      out = CreateTempBeside(target, 0600, written);
    } else {
      written = target;
      out = open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    }
  }
  if (out < 0) {
    close(in);
    return false;
  }
  const auto buffer = std::make_unique_for_overwrite<char[]>(kCopyChunk);
  bool ok = true;
  for (;;) {
    const ssize_t got = read(in, buffer.get(), kCopyChunk);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    if (!WriteAll(out, buffer.get(), static_cast<std::size_t>(got))) {
      ok = false;
      break;
    }
  }
  close(in);
  ok = ok && fchmod(out, source_status.st_mode & 07777) == 0;
  // A copy keeps the source's modification time, as a copy on Windows does.
  const timespec times[2] = {{0, UTIME_OMIT}, source_status.st_mtim};
  ok = ok && futimens(out, times) == 0;
  if (written != target) return CommitTemp(out, ok, written, target);
  ok = close(out) == 0 && ok;
  if (!ok) unlink(written.c_str());
  return ok;
}

bool FileService::DeleteFile(const std::string& path) {
  std::string os;
  struct stat status;
  if (!OsPath(path, os)) return false;
  // Attributes follow links, as GetAttributes does; a broken link is deleted.
  if (stat(os.c_str(), &status) == 0 &&
      (S_ISDIR(status.st_mode) || (status.st_mode & S_IWUSR) == 0)) {
    return false;
  }
  return unlink(os.c_str()) == 0;
}

bool FileService::Inspect(const std::string& path, FileState& state) {
  std::string os;
  struct stat status;
  if (!OsPath(path, os) || lstat(os.c_str(), &status) != 0) return false;
  std::string target = os;
  if (S_ISLNK(status.st_mode)) {
    char* resolved = realpath(os.c_str(), nullptr);
    if (resolved == nullptr) return false;
    target = resolved;
    std::free(resolved);
    if (stat(target.c_str(), &status) != 0) return false;
  }
  if (!S_ISREG(status.st_mode)) return false;
  state.target = OsNameToCp932(target);
  if (!OsPath(state.target, os) || os != target) return false;
  state.identity = IdentityOf(status);
  state.mode = status.st_mode & 07777;
  state.owner = status.st_uid;
  state.group = status.st_gid;
  state.links = status.st_nlink;
  const uid_t user = geteuid();
  state.may_change_mode = user == 0 || user == status.st_uid;
  // The owner's own bit decides for the owner; for anyone else the group, the
  // others' bits and an ACL may, which only the system can tell.
  state.writable = user == 0 || (user == status.st_uid
                                     ? (status.st_mode & S_IWUSR) != 0
                                     : faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0);
  return true;
}

bool FileService::LinkFile(const std::string& existing, const std::string& new_name) {
  std::string os_existing;
  std::string os_new;
  return OsPath(existing, os_existing) && OsPath(new_name, os_new) &&
         link(os_existing.c_str(), os_new.c_str()) == 0;
}

bool FileService::RenameFile(const std::string& from, const std::string& to) {
  std::string os_from;
  std::string os_to;
  return OsPath(from, os_from) && OsPath(to, os_to) && rename(os_from.c_str(), os_to.c_str()) == 0;
}

bool FileService::RemoveFile(const std::string& path) {
  std::string os;
  return OsPath(path, os) && unlink(os.c_str()) == 0;
}

bool FileService::WriteNewFile(const std::string& path, std::span<const std::string_view> lines,
                               std::string_view terminator, mode_t mode, uid_t owner, gid_t group) {
  std::string os;
  if (!OsPath(path, os)) return false;
  const int fd = open(os.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode & 0777);
  if (fd < 0) return false;
  bool ok = true;
  bool set_mode = (mode & 07777) != (mode & 0777 & ~CreationMask());
  if (owner != geteuid() || group != getegid()) {
    // Only a privileged process may give a file to another owner; the new file
    // then stays the process's own. A change of owner clears the set-id bits.
    if (fchown(fd, owner, group) == 0) set_mode = set_mode || (mode & 06000) != 0;
  }
  ok = !set_mode || fchmod(fd, mode & 07777) == 0;
  ok = ok && WriteLines(fd, lines, terminator);
  ok = close(fd) == 0 && ok;
  if (!ok) unlink(os.c_str());
  return ok;
}

bool FileService::OverwriteFile(const std::string& path, std::span<const std::string_view> lines,
                                std::string_view terminator) {
  std::string os;
  if (!OsPath(path, os)) return false;
  const int fd = open(os.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  std::size_t total = 0;
  for (const std::string_view line : lines) total += line.size() + terminator.size();
  const auto size = static_cast<off_t>(total);
  bool ok = size == 0 || posix_fallocate(fd, 0, size) == 0;
  ok = ok && WriteLines(fd, lines, terminator) && ftruncate(fd, size) == 0;
  return close(fd) == 0 && ok;
}

bool FileService::CopyExtendedAttributes(const std::string& from, const std::string& to,
                                         std::uint32_t fs_flags) {
  std::string os_from;
  std::string os_to;
  if (!OsPath(from, os_from) || !OsPath(to, os_to)) return false;
  std::vector<char> names(1024);
  const ssize_t listed = ReadGrowing(
      names, [&](char* data, std::size_t size) { return listxattr(os_from.c_str(), data, size); });
  if (listed < 0 && errno != ENOTSUP) return false;
  std::vector<char> value(1024);
  for (ssize_t at = 0; at < listed;) {
    const char* name = names.data() + at;
    at += static_cast<ssize_t>(std::strlen(name)) + 1;
    const ssize_t length = ReadGrowing(value, [&](char* data, std::size_t size) {
      return getxattr(os_from.c_str(), name, data, size);
    });
    if (length < 0 ||
        setxattr(os_to.c_str(), name, value.data(), static_cast<std::size_t>(length), 0) != 0) {
      return false;
    }
  }
  // Immutable and append-only files are never replaced, so those two never come.
  const std::uint32_t wanted =
      fs_flags & FS_FL_USER_MODIFIABLE & ~std::uint32_t{FS_IMMUTABLE_FL | FS_APPEND_FL};
  if (wanted == 0) return true;
  const int fd = open(os_to.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok && (static_cast<std::uint32_t>(flags) & wanted) != wanted) {
    flags = static_cast<int>(static_cast<std::uint32_t>(flags) | wanted);
    ok = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  return close(fd) == 0 && ok;
}

std::string TemporaryNameBeside(const std::string& path) {
  return RandomNameBeside(path);
}

std::string FileService::GetCurrentDir() {
  std::vector<char> buffer(256);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return "";
    buffer.resize(buffer.size() * 2);
  }
  return OsNameToCp932(buffer.data());
}

bool FileService::SetCurrentDir(const std::string& path) {
  std::string os;
  return OsPath(path, os) && chdir(os.c_str()) == 0;
}

std::unique_ptr<FolderSearch> FileService::FindFirst(const std::string& folder, FindData& entry) {
  return StartSearch(folder, entry, false);
}

std::unique_ptr<FolderSearch> FileService::FindFirstKinds(const std::string& folder,
                                                          FindData& entry) {
  return StartSearch(folder, entry, true);
}

FileService& Files() {
  static FileService real;
  return installed_service != nullptr ? *installed_service : real;
}

ScopedFileService::ScopedFileService(FileService& service) : previous_(installed_service) {
  installed_service = &service;
}

ScopedFileService::~ScopedFileService() {
  installed_service = previous_;
}

std::string ExeDir() {
  if (!ExeDirOverride().empty()) return ExeDirOverride();
  static const std::string own = ReadExeDir();
  return own;
}

void SetExeDir(const std::string& folder) {
  ExeDirOverride() = folder.empty() || folder.back() == '/' ? folder : folder + '/';
}

std::string ChooseDataDir(const std::string& exe_dir, bool exe_dir_writable,
                          const std::string& xdg_config_home, const std::string& home) {
  // An installed program's folder is never the data folder, not even for root,
  // who may write it: its files would be left behind when the package goes.
  const bool installed =
      exe_dir.starts_with("/usr/") || exe_dir.starts_with("/bin/") || exe_dir.starts_with("/sbin/");
  if (exe_dir_writable && !installed) return exe_dir;
  // Only an absolute XDG_CONFIG_HOME counts; a relative one is ignored.
  const std::string config = !xdg_config_home.empty() && xdg_config_home.front() == '/'
                                 ? xdg_config_home
                                 : home + "/.config";
  return config + (config.back() == '/' ? "" : "/") + "plyfix/";
}

std::string DataDir() {
  if (!ExeDirOverride().empty()) return ExeDirOverride();
  static const std::string chosen = [] {
    std::string exe;
    const bool named = OsPath(ExeDir(), exe);
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string folder = ChooseDataDir(exe, named && access(exe.c_str(), W_OK) == 0,
                                             xdg ? xdg : "", home ? home : "");
    if (folder != exe) {
      std::error_code ignored;
      std::filesystem::create_directories(folder, ignored);
    }
    return OsNameToCp932(folder);
  }();
  return chosen;
}

std::string WindowsDirectory() {
  return "/usr";
}

std::string SystemDirectory() {
  return "/etc";
}

}  // namespace platform
