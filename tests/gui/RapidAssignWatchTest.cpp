// The friends-list watch on real folders (with its fallback of looking at
// the file once a second), the search dialog for unrestored lists, and the
// rapid-assign menu items of the window.
#include <QAction>
#include <QListWidget>
#include <QtTest>

#include "WindowSetup.h"
#include "engine/Tourney.h"
#include "lobby/uUnrestoredFriends.h"
#include "posix/PosixFileSystem.h"
#include "qt/QtFolderWatch.h"

class RapidAssignWatchTest : public QObject {
  Q_OBJECT

 private slots:
  // A list in an existing folder is watched: written or replaced it is
  // reported, and no more once unwatched. A list whose folder is not made
  // yet is looked at instead.
  void AWrittenOrReplacedListIsReported() {
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("Alice/Friends.txt"));
    const QString later = dir.filePath(QStringLiteral("Later/Friends.txt"));
    WriteFile(list, "[Friends]\r\n");
    vkr::TQtFolderWatch watch, looker;
    int changes = 0, looked = 0;
    watch.Watch(list.toStdString(), [&] { ++changes; });
    looker.Watch(later.toStdString(), [&] { ++looked; });
    QVERIFY(!watch.Polling());
    QVERIFY(looker.Polling());
    WriteFile(list, "[Friends]\r\nCarol\r\n");
    WriteFile(later, "[Friends]\r\nCarol\r\n");
    QTRY_COMPARE(changes, 1);
    QTRY_COMPARE(looked, 1);
    QCOMPARE(looker.Subfolders(dir.path().toStdString()), (std::vector<std::string>{"Alice", "Later"}));
    // Replaced by another file under its name, as careful writers do.
    WriteFile(list + QStringLiteral(".new"), "[Friends]\r\nCarol\r\nDan\r\n");
    QFile::remove(list);
    QFile::rename(list + QStringLiteral(".new"), list);
    QTRY_VERIFY(changes >= 2);
    const int seen = changes;
    watch.Unwatch();
    WriteFile(list, "[Friends]\r\n");
    QCoreApplication::processEvents();
    QCOMPARE(changes, seen);
  }

  void TheSearchOffersEveryCopyButTheActiveUsersAndRestoresTheChecked() {
    QTemporaryDir dir;
    for (const char* user : {"Alice", "Zed"}) {
      WriteFile(dir.filePath(QStringLiteral("%1/Friends.txt").arg(QLatin1String(user))), "[Friends]\r\n");
      WriteFile(dir.filePath(QStringLiteral("%1/Friends.bak").arg(QLatin1String(user))), "[Friends]\r\nOld\r\n");
    }
    WriteFile(dir.filePath(QStringLiteral("Bob/Friends.txt")), "[Friends]\r\n");
    vkr::TPosixFileSystem files;
    vkr::TQtFolderWatch watch;
    vkr::TTourney t;
    t.Ports.Files = &files;
    t.Ports.FolderWatch = &watch;
    t.RapidAssign.FavoritesRoot = dir.path().toStdString() + "/";
    t.RapidAssign.Nick = "alice";
    vkr::TUnrestoredFriendsForm form(t, {"Alice", "Zed"});
    QCOMPARE(form.List()->count(), 2);
    QCOMPARE(form.List()->item(0)->checkState(), Qt::Unchecked);
    QCOMPARE(form.List()->item(1)->checkState(), Qt::Checked);
    form.RestoreClick();
    QCOMPARE(ReadFile(dir.filePath(QStringLiteral("Zed/Friends.txt"))), QByteArray("[Friends]\r\nOld\r\n"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Zed/Friends.bak"))));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Alice/Friends.bak"))));

    QFile::remove(dir.filePath(QStringLiteral("Alice/Friends.bak")));
    TBoxAnswerer answerer;
    vkr::SearchUnrestoredFriends(nullptr, t);
    QCOMPARE(answerer.Seen, QStringList{QStringLiteral("No ZoneFriends backup files where found to be restored")});
  }

  void TheMenuItemsStartAndStopAndFollowTheState() {
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("Alice/Friends.txt"));
    WriteFile(list, "[Friends]\r\nBob\r\n");
    vkr::TTarnwickForm form;
    vkr::TTourney& t = form.Tourney();
    t.Context.HostName = "Alice";  // no lobby client's windows here: the host name is the lobby name
    t.RapidAssign.FavoritesRoot = dir.path().toStdString() + "/";
    QAction* item = form.Action(QStringLiteral("RapidAssignItem"));
    QAction* search = form.Action(QStringLiteral("SearchforunrestoredZFlists1"));
    QVERIFY(item->isEnabled() && search->isEnabled());
    QVERIFY(form.Action(QStringLiteral("RapidAssignModeAddItem"))->isChecked());
    TBoxAnswerer answerer(QMessageBox::Yes);
    item->trigger();
    QVERIFY(item->isChecked() && !search->isEnabled());
    QCOMPARE(ReadFile(list), QByteArray("[Friends]\r\n"));  // cleared on the host's Yes
    WriteFile(list, "[Friends]\r\nCarol\r\n");
    QTRY_COMPARE(t.Model.PlayerCount(), 1);
    item->trigger();
    QVERIFY(!item->isChecked() && search->isEnabled());
    QCOMPARE(ReadFile(list), QByteArray("[Friends]\r\nBob\r\n"));
  }
};

QTEST_MAIN(RapidAssignWatchTest)
#include "RapidAssignWatchTest.moc"
