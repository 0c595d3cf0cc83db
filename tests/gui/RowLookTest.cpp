// What the rows and tabs of a bracket view show, worked out from the
// tournament: the colours of the name boxes in their order of precedence,
// the bye table's dead seat, next tables, and the round tabs' captions.
#include <QtTest>

#include "engine/Find.h"
#include "engine/Tourney.h"
#include "support/TourneyHost.h"
#include "ui/RowLook.h"

using namespace vkr;
Q_DECLARE_METATYPE(TBoxColour)

class RowLookTest : public QObject {
  Q_OBJECT

 private slots:
  // Nine players: four full tables and a bye table in round 1.
  void ByeTableOfTheFirstRound() {
    test::TEngineHost h(ElimDouble);
    h.AddPlayers(9);
    h.Close();
    const TRowLook bye = RowLook(h.T, Winners, 0, 4, 0);
    QVERIFY(bye.Seats[0].Usable);
    QVERIFY(!bye.Seats[1].Usable);
    QCOMPARE(bye.Seats[1].Colour, TBoxColour::Unusable);
    QCOMPARE(TabCaptions(h.T, Winners).front(), std::string("1 *"));
  }

  void ColourPrecedence_data() {
    QTest::addColumn<bool>("found");
    QTest::addColumn<bool>("disqualified");
    QTest::addColumn<bool>("booted");
    QTest::addColumn<bool>("decided");
    QTest::addColumn<TBoxColour>("colour");
    QTest::newRow("plain, undecided") << false << false << false << false << TBoxColour::Window;
    QTest::newRow("plain, decided") << false << false << false << true << TBoxColour::Decided;
    QTest::newRow("booted too long") << false << false << true << false << TBoxColour::BootedTooLong;
    QTest::newRow("disqualified over booted") << false << true << true << false << TBoxColour::Disqualified;
    QTest::newRow("found over everything") << true << true << true << false << TBoxColour::Found;
    QTest::newRow("found at a decided table") << true << false << false << true << TBoxColour::FoundDecided;
  }
  void ColourPrecedence() {
    QFETCH(bool, found);
    QFETCH(bool, disqualified);
    QFETCH(bool, booted);
    QFETCH(bool, decided);
    QFETCH(TBoxColour, colour);
    test::TEngineHost h(ElimDouble);
    h.AddPlayers(8);
    h.Close();
    const int entry = h.T.Model.Table(Winners, 0, 1).Seat[0];
    h.T.Model.SetDisqualified(entry, disqualified);
    h.T.Model.SetBootedTooLong(entry, booted);
    if (decided) h.Win(Winners, 0, 1, 1);
    // The find text is compared without regard to case.
    if (found) SetFindText(h.T, " p" + h.T.Model.Player(entry).Name.substr(1) + " ");
    QCOMPARE(RowLook(h.T, Winners, 0, 1, 0).Seats[0].Colour, colour);
  }

  void AByeWinnerIsMarkedUntilTheTableIsDecided() {
    test::TEngineHost h(ElimDouble);
    h.AddPlayers(9);
    h.Close();
    h.Win(Winners, 0, 4, 0);  // the bye
    h.PlayRound(Winners, 0);
    const TPlayer& lucky = h.T.Model.Player(h.T.Model.Table(Winners, 0, 4).Seat[0]);
    const TTableRef next = lucky.Tables[1];
    const TRowLook look = RowLook(h.T, next.Bracket, next.Round, next.Index, 0);
    QCOMPARE(look.Seats[static_cast<size_t>(lucky.Seats[1])].Colour, TBoxColour::HadBye);
    // The first round's row shows where the entry went, the next one where it came from.
    const TRowLook first = RowLook(h.T, Winners, 0, 4, 0);
    QCOMPARE(first.Seats[0].Next, std::to_string(h.T.Model.Table(next).Number));
    QCOMPARE(look.Seats[static_cast<size_t>(lucky.Seats[1])].NextHint,
             "Came from " + std::to_string(h.T.Model.Table(Winners, 0, 4).Number));
  }

  void HiddenWhenCompletedMatchesAreHidden() {
    test::TEngineHost h(ElimSingle);
    h.AddPlayers(8);
    h.Close();
    h.Win(Winners, 0, 0, 0);
    QVERIFY(!RowLook(h.T, Winners, 0, 0, 0).Hidden);
    h.T.Options.HideCompletedMatches = true;
    QVERIFY(RowLook(h.T, Winners, 0, 0, 0).Hidden);
    QVERIFY(!RowLook(h.T, Winners, 0, 1, 0).Hidden);
  }

  void NextColumnCaptions() {
    const std::vector<std::string> tabs{"1", "2 *", "3", "WF", "GF"};
    QCOMPARE(NextColumnCaption(tabs, 1), std::string("R3"));
    QCOMPARE(NextColumnCaption(tabs, 0), std::string("2 *"));
    QCOMPARE(NextColumnCaption(tabs, 3), std::string("GF"));
    QCOMPARE(NextColumnCaption(tabs, 4), std::string());
  }

  void TabsOfADoubleElimination() {
    test::TEngineHost h(ElimDouble);
    h.AddPlayers(8);
    h.Close();
    QCOMPARE(TabCaptions(h.T, Winners), (std::vector<std::string>{"1", "2", "WF", "GF"}));
    QCOMPARE(TabCaptions(h.T, OneLoss).back(), std::string("SF"));
  }
};

QTEST_MAIN(RowLookTest)
#include "RowLookTest.moc"
