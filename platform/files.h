#pragma once
// The file services the program uses, with Windows attribute bits mapped onto POSIX.
// All paths are code page 932 strings; they cross into the OS as UTF-8. A path
// holding "?" (a character the code page could not hold, as an ANSI program sees
// it) is never opened or created, so a lossy name can never reach another file.
// Tests replace the service (ScopedFileService) to inject failures.

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace platform {

// Attribute bits. Read-only: no owner write bit. Hidden: the name begins with ".".
// System: neither a regular file nor a folder (FIFO, socket, device). Archive: a
// regular file. Directory: a folder.
inline constexpr std::uint32_t faReadOnly = 0x01;
inline constexpr std::uint32_t faHidden = 0x02;
inline constexpr std::uint32_t faSysFile = 0x04;
inline constexpr std::uint32_t faDirectory = 0x10;
inline constexpr std::uint32_t faArchive = 0x20;
inline constexpr std::uint32_t kInvalidAttributes = 0xFFFFFFFFu;

// One entry of a folder enumeration: its name (no folder) and its attributes. A
// character of the name that the code page cannot hold reads as "?".
struct FindData {
  std::string name;
  std::uint32_t attributes = 0;
};

// What tells whether a file is still the one that was read: the same file on the
// same device, with the same size and modification time to the nanosecond.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  std::int64_t mtime_ns = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The file that a write to a path replaces (the target of a symbolic link, else
// the path itself) and what a replacement must carry over from it.
struct FileState {
  std::string target;  // code page 932 path of the file itself
  FileIdentity identity;
  mode_t mode = 0;  // permission bits, 07777
  uid_t owner = 0;
  gid_t group = 0;
  nlink_t links = 0;
  // This user may write the file as its permissions stand: by the owner's bit for
  // its owner, by the group's, the others' bits or an ACL for anyone else.
  bool writable = false;
  // This user may change the file's permissions and give a new file its owner:
  // the file's owner, or root.
  bool may_change_mode = false;
};

// An open enumeration, in the shape of find-next / find-close.
class FolderSearch {
 public:
  virtual ~FolderSearch() = default;
  // Fills the next entry; false when none is left.
  virtual bool Next(FindData& entry) = 0;
  // Releases the enumeration; false when that failed.
  virtual bool Close() = 0;
};

class FileService {
 public:
  virtual ~FileService() = default;

  // Attribute bits of a file or folder (following symbolic links), or
  // kInvalidAttributes when it cannot be queried.
  virtual std::uint32_t GetAttributes(const std::string& path);
  // Sets the read-only bit as given (the others cannot be changed here); true on success.
  virtual bool SetAttributes(const std::string& path, std::uint32_t attributes);
  // True when path names an existing file (not a folder).
  virtual bool FileExists(const std::string& path);
  virtual bool DirectoryExists(const std::string& path);
  // FindFirst for walks that only tell files, folders and other entries apart:
  // a file or folder is known from its directory entry without a look-up of its
  // status, so the attributes never hold the read-only bit. A service that
  // replaces FindFirst replaces this too.
  virtual std::unique_ptr<FolderSearch> FindFirstKinds(const std::string& folder, FindData& entry);

  // Reads a whole regular file; false when it is missing, unreadable or not a
  // regular file (a FIFO never blocks).
  virtual bool ReadFile(const std::string& path, std::string& content);
  // The same, also giving the identity of the file read and its file-system
  // flags (FS_IOC_GETFLAGS; 0 where the file system has none).
  virtual bool ReadFile(const std::string& path, std::string& content, FileIdentity& identity,
                        std::uint32_t& fs_flags);
  // Replaces the whole content of a file, or creates it. Never leaves a half-written
  // file: on failure the old content stays byte for byte. Keeps the permission bits,
  // writes through a symbolic link to its target. Fails on a read-only file, as
  // Windows does. False when the file cannot be created or written.
  virtual bool WriteFile(const std::string& path, std::string_view content);
  // Copies a regular file byte for byte (streamed), replacing the target, carrying
  // the source's attributes and modification time over. Fails when the target is
  // read-only.
  virtual bool CopyFile(const std::string& from, const std::string& to);
  // Deletes a file; fails on a read-only file, as Windows does.
  virtual bool DeleteFile(const std::string& path);

  // The steps of replacing a file by a new one, each on its own so that tests can
  // fail any of them. Apart from Inspect, none follows a symbolic link at its last name.
  //
  // The regular file a write to path replaces; false when path names no regular
  // file (or a broken link).
  virtual bool Inspect(const std::string& path, FileState& state);
  // A second name for an existing file; fails when new_name exists or lies on
  // another file system.
  virtual bool LinkFile(const std::string& existing, const std::string& new_name);
  // Renames from over to, replacing whatever to names (a symbolic link itself, not
  // its target).
  virtual bool RenameFile(const std::string& from, const std::string& to);
  // Removes a name whatever the file's attributes (for the program's own temporary files).
  virtual bool RemoveFile(const std::string& path);
  // Creates path, which must not exist, holding every line followed by terminator,
  // with the mode, owner and group given (the owner only where this process may
  // give files away). Removes what it created when it fails.
  virtual bool WriteNewFile(const std::string& path, std::span<const std::string_view> lines,
                            std::string_view terminator, mode_t mode, uid_t owner, gid_t group);
  // Rewrites an existing file in place with every line followed by terminator, so
  // that all its names, its owner and its attributes stay. Not crash-atomic; the
  // new size is reserved first, so a full disk fails before a byte changes.
  virtual bool OverwriteFile(const std::string& path, std::span<const std::string_view> lines,
                             std::string_view terminator);
  // Gives the file at to the extended attributes of from (its ACL among them) and
  // the settable file-system flags given; false when one of them cannot be set.
  virtual bool CopyExtendedAttributes(const std::string& from, const std::string& to,
                                      std::uint32_t fs_flags);

  virtual std::string GetCurrentDir();
  virtual bool SetCurrentDir(const std::string& path);

  // Starts enumerating every entry of a folder, "." and ".." included; null when
  // the folder cannot be read. The first entry is filled into entry.
  virtual std::unique_ptr<FolderSearch> FindFirst(const std::string& folder, FindData& entry);
};

// An unused name for a temporary file in the folder of path (not created).
std::string TemporaryNameBeside(const std::string& path);

// The service in force (the real one unless a test installed another).
FileService& Files();

// Installs a service for the lifetime of this object.
class ScopedFileService {
 public:
  explicit ScopedFileService(FileService& service);
  ~ScopedFileService();
  ScopedFileService(const ScopedFileService&) = delete;
  ScopedFileService& operator=(const ScopedFileService&) = delete;

 private:
  FileService* previous_;
};

// The folder of the running executable, ending in a separator. Tests set another
// (a separator is added when missing); an empty folder restores the executable's own.
std::string ExeDir();
void SetExeDir(const std::string& folder);

// The program's data folder, ending in a separator: where the settings file, the
// log file and temporary copies live. The executable's folder when this user may
// write it, else $XDG_CONFIG_HOME/plyfix/ (~/.config/plyfix/ when unset), created
// here. Decided once per start; a folder set by SetExeDir is used as it is.
std::string DataDir();
// The choice behind DataDir: the executable's folder when writable and not an
// installed program's (/usr, /bin, /sbin), else the configuration folder named by
// the two environment values (either may be empty).
std::string ChooseDataDir(const std::string& exe_dir, bool exe_dir_writable,
                          const std::string& xdg_config_home, const std::string& home);

// A name read from the OS (UTF-8), as code page 932. A character that does not
// come back unchanged through the code page becomes "?", so that the name never
// addresses another file than the one it was read from.
std::string OsNameToCp932(std::string_view utf8);

// The two folders that the folder guard protects, standing in for the Windows
// folder and the system folder: "/usr" and "/etc".
std::string WindowsDirectory();
std::string SystemDirectory();

}  // namespace platform
