// Where the program keeps its temporary files, and how it creates them without following
// links or racing other processes: the temporary document of each run and the page image
// file that carries each page picture from the clipboard to the preview.
#pragma once

#include <QPicture>
#include <QString>
#include <memory>

class QLockFile;
class QTemporaryDir;

namespace output {

// The user's private temporary folder, created on demand with mode 0700:
// $XDG_RUNTIME_DIR/halvenor when the runtime folder is usable, else
// $XDG_CACHE_HOME/halvenor/tmp (~/.cache/halvenor/tmp). Throws std::runtime_error when
// the folder cannot be made or is not a private folder of this user (for example a link).
QString privateTempFolder();

// The folder of the temporary document: the environment variable "temp" when set,
// otherwise the private folder.
QString temporaryDocumentFolder();

// The folder of the page image file: the environment variable "TEMP" when set,
// otherwise the private folder.
QString pageImageFolder();

// A fresh, unpredictable path for a page image file in its folder: "temp", twelve random
// letters and digits, ".bmp". Another local user cannot guess it to block the rendering.
QString pageImagePath();

// Removes the temporary documents (and a half-written save of one) and page image files
// that a program ended by force left in the private folder more than a day ago, and the
// folders of commands that are no longer running. Folders the user named through "temp"
// or "TEMP" are never searched. Silent about failures.
void removeStaleTemporaryFiles();

// A folder of one command's own inside the private folder, "command-XXXXXX", removed with
// everything in it when the object goes. A lock inside it says the command is running, so
// the sweep above removes only the folders of commands that ended by force.
class CommandFolder {
 public:
  // Throws std::runtime_error when the folder cannot be made.
  CommandFolder();
  ~CommandFolder();
  QString path() const;

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<QLockFile> lock_;
};

// Creates `path` exclusively (never following a link, mode 0600) and closes it again.
// Returns false when something already exists at the path; throws std::runtime_error on
// any other failure.
bool reserveExclusive(const QString& path);

// Writes the picture to `path`: whatever is there (a stale file, a link) is removed, never
// followed, and the file is created anew, exclusively, with mode 0600. Throws
// std::runtime_error on failure.
void writePictureFile(const QString& path, const QPicture& picture);

// Reads a picture written by writePictureFile without following a link. Throws
// std::runtime_error when the file is missing or holds no picture.
QPicture readPictureFile(const QString& path);

}  // namespace output
