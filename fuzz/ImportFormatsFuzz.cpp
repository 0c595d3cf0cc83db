// Any bytes as an exported format file. Every format it holds is imported
// (taken names renamed to the proposal); the store written then holds each
// imported format under its name with exactly the lines it was read with.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/Tourney.h"
#include "fakes/FakePorts.h"
#include "formats/FormatImport.h"
#include "formats/FormatStore.h"
#include "formats/MessageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vkr;
  test::TTestHost host;
  host.T.FilesFolder = "files/";
  host.Files.Files[FormatStoreFileName(host.T)] = "[Fast]\r\nWelcome=Go\r\n";
  host.Files.Files["in.vkrf"] = std::string(reinterpret_cast<const char*>(data), size);
  const std::vector<TImportRow> rows = ReadImportRows(host.Files, {"in.vkrf"});
  const TImportResult result =
      MergeImport(host.T, rows, [](const std::string&, std::string&) { return TImportAnswer::Rename; });
  if (result != TImportResult::Merged) std::abort();
  TMessageFile store(host.Files, FormatStoreFileName(host.T));
  store.Load();
  // Each row went in under its own name or its proposal, in order; later rows
  // of the same name replaced nothing but took a new proposal.
  int section = 1;  // after "Fast"
  for (const TImportRow& row : rows) {
    if (section >= store.SectionCount() || store.SectionLines(section) != row.Lines) {
      std::fprintf(stderr, "imported format %d lost or changed\n", section);
      std::abort();
    }
    ++section;
  }
  if (section != store.SectionCount()) std::abort();
  return 0;
}
