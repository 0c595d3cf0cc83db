#include "formats/FormatStore.h"

#include "base/Paths.h"
#include "base/Text.h"
#include "engine/Tourney.h"
#include "formats/MessageFile.h"
#include "storage/FileSystemPort.h"

namespace vkr {

std::string FormatStoreFileName(const TTourney& t) { return t.FilesFolder + "Tourney Formats.ini"; }

bool WriteFormatStore(TTourney& t, const std::vector<TFormat>& formats) {
  TFileSystemPort& files = *t.Ports.Files;
  const std::string store = FormatStoreFileName(t);
  if (files.FileExists(store)) files.CopyFile(store, ChangeFileExt(store, ".bak"));
  TMessageFile file(files, store);
  for (const TFormat& format : formats) {
    if (!SameText(format.Name, "Default")) file.AddSection(format.Name, format.Lines);
  }
  return file.Save();
}

}  // namespace vkr
