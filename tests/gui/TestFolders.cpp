// Every window test program runs with QStandardPaths' test folders, switched
// on before its application starts, so no user's settings or files are
// touched, whichever test runs first.
#include <QStandardPaths>

namespace {

void UseTestFolders() { QStandardPaths::setTestModeEnabled(true); }

}  // namespace

Q_CONSTRUCTOR_FUNCTION(UseTestFolders)
