// What the bracket views show, worked out without widgets. Where the panels
// go for each format, arrangement and set of minimised panels, and how their
// heights follow a resize; what a row shows: the colours of the name boxes in
// their order of precedence, the bye table's dead seat, next tables, and the
// round tabs' captions. And the bracket pictures exported from the window.
#include <QImage>
#include <QtTest>

#include "WindowSetup.h"
#include "engine/Find.h"
#include "engine/Tourney.h"
#include "support/TourneyHost.h"
#include "ui/BracketArrangement.h"
#include "ui/BracketPictureExport.h"
#include "ui/RowLook.h"

using namespace vkr;
using Sizes = std::array<int, 3>;
using Flags = std::array<bool, 3>;

namespace {

constexpr int kH = 600, kM = 20, kW = 292, kExtra = 200;

TArrangeInput Input(int format, int arrangement, Flags minimised = {}) {
  TArrangeInput in;
  in.ElimFormat = format;
  in.Arrangement = arrangement;
  in.Minimised = minimised;
  in.ViewWidth = kW;
  in.Extra = kExtra;
  in.Height = kH;
  in.SplitterHeight = 4;
  in.MinimisedHeight = kM;
  return in;
}

struct TWidthCase {
  int Format, Arrangement, Width;
  bool Vertical;
};

struct TStackCase {
  int Format;
  Flags Minimised;
  Sizes Order, Size;
  Flags Enabled;
  int Splitters;
};

struct TResizeCase {
  int Format;
  Flags Minimised;
  Sizes Remembered;
  int Height;
  Sizes Size;
};

struct TColourCase {
  bool Found, Disqualified, Booted, Decided;
  TBoxColour Colour;
};

}  // namespace

Q_DECLARE_METATYPE(TWidthCase)
Q_DECLARE_METATYPE(TStackCase)
Q_DECLARE_METATYPE(TResizeCase)
Q_DECLARE_METATYPE(TColourCase)

class BracketLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void WindowWidth_data() {
    QTest::addColumn<TWidthCase>("c");
    QTest::newRow("single") << TWidthCase{ElimSingle, 0, kW + kExtra, false};
    QTest::newRow("single, vertical chosen") << TWidthCase{ElimSingle, 1, kW + kExtra, false};
    QTest::newRow("double side by side") << TWidthCase{ElimDouble, 0, 2 * kW + kExtra, false};
    QTest::newRow("triple side by side") << TWidthCase{ElimTriple, 0, 3 * kW + kExtra, false};
    QTest::newRow("double stacked") << TWidthCase{ElimDouble, 1, kW + kExtra, true};
    QTest::newRow("triple stacked") << TWidthCase{ElimTriple, 1, kW + kExtra, true};
    QTest::newRow("unknown arrangement") << TWidthCase{ElimDouble, 2, 2 * kW + kExtra, false};
  }
  void WindowWidth() {
    QFETCH(TWidthCase, c);
    const TArrangement a = ArrangeBrackets(Input(c.Format, c.Arrangement), {});
    QCOMPARE(a.WindowWidth, c.Width);
    QCOMPARE(a.Vertical, c.Vertical);
    // Side by side no minimise button is shown.
    QCOMPARE(a.ButtonShown[Winners], c.Vertical);
  }

  void StackedPanels_data() {
    QTest::addColumn<TStackCase>("c");
    const int third = (kH - 8) / 3;
    const int half1 = (kH - 4 - kM) / 2;
    const Sizes inOrder{0, 1, 2};
    QTest::newRow("double") << TStackCase{ElimDouble, {}, inOrder, {298, 298, 0}, {true, true, false}, 1};
    QTest::newRow("double, winners minimised")
        << TStackCase{ElimDouble, {true, false, false}, inOrder, {kM, kH - kM, 0}, {true, false, false}, 0};
    QTest::newRow("double, one-loss minimised")
        << TStackCase{ElimDouble, {false, true, false}, inOrder, {kH - kM, kM, 0}, {false, true, false}, 0};
    QTest::newRow("triple")
        << TStackCase{ElimTriple, {}, inOrder, {third, kH - 8 - 2 * third, third}, {true, true, true}, 2};
    QTest::newRow("triple, W")
        << TStackCase{ElimTriple, {true, false, false}, inOrder, {kM, half1, kH - 4 - kM - half1}, {true, true, true}, 1};
    QTest::newRow("triple, O goes to the bottom")
        << TStackCase{ElimTriple, {false, true, false}, {0, 2, 1}, {half1, kM, kH - 4 - kM - half1}, {true, true, true}, 1};
    QTest::newRow("triple, T")
        << TStackCase{ElimTriple, {false, false, true}, inOrder, {half1, kH - 4 - kM - half1, kM}, {true, true, true}, 1};
    QTest::newRow("triple, W and O: T may not be minimised")
        << TStackCase{ElimTriple, {true, true, false}, inOrder, {kM, kM, kH - 2 * kM}, {true, true, false}, 0};
    QTest::newRow("triple, W and T")
        << TStackCase{ElimTriple, {true, false, true}, inOrder, {kM, kH - 2 * kM, kM}, {true, false, true}, 0};
    QTest::newRow("triple, O and T")
        << TStackCase{ElimTriple, {false, true, true}, inOrder, {kH - 2 * kM, kM, kM}, {false, true, true}, 0};
  }
  void StackedPanels() {
    QFETCH(TStackCase, c);
    const TArrangement a = ArrangeBrackets(Input(c.Format, 1, c.Minimised), {});
    QCOMPARE(a.Order, c.Order);
    QCOMPARE(a.Size, c.Size);
    QCOMPARE(a.ButtonEnabled, c.Enabled);
    QCOMPARE(int(a.SplitterShown[0]) + int(a.SplitterShown[1]), c.Splitters);
    for (int p = 0; p <= c.Format; ++p) QCOMPARE(a.TabsShown[p], !c.Minimised[p]);
    // The panels and the splitters shown fill the brackets panel exactly.
    int used = c.Splitters * 4;
    for (int p = 0; p <= c.Format; ++p) used += a.Size[p];
    QCOMPARE(used, kH);
  }

  void AllThreeMinimisedChangesNothing() {
    const TArrangement before = ArrangeBrackets(Input(ElimTriple, 1, {true, true, false}), {});
    QCOMPARE(ArrangeBrackets(Input(ElimTriple, 1, {true, true, true}), before), before);
  }

  void ResizeKeepsTheSplitterProportions_data() {
    QTest::addColumn<TResizeCase>("c");
    QTest::newRow("double 1:3") << TResizeCase{ElimDouble, {}, {100, 300, 0}, 804, {200, 600, 0}};
    QTest::newRow("triple 1:2:1") << TResizeCase{ElimTriple, {}, {100, 200, 100}, 808, {200, 400, 200}};
    QTest::newRow("triple, W minimised")
        << TResizeCase{ElimTriple, {true, false, false}, {kM, 100, 300}, 4 + kM + 400, {kM, 100, 300}};
    QTest::newRow("triple, T minimised, grows")
        << TResizeCase{ElimTriple, {false, false, true}, {150, 50, kM}, 4 + kM + 800, {600, 200, kM}};
    QTest::newRow("triple, two minimised: the third fills")
        << TResizeCase{ElimTriple, {true, true, false}, {kM, kM, 100}, 1000, {kM, kM, 1000 - 2 * kM}};
    QTest::newRow("nothing remembered keeps the first split")
        << TResizeCase{ElimDouble, {}, {0, 0, 0}, kH, {298, 298, 0}};
  }
  void ResizeKeepsTheSplitterProportions() {
    QFETCH(TResizeCase, c);
    TArrangeInput in = Input(c.Format, 1, c.Minimised);
    TArrangement current = ArrangeBrackets(in, {});
    in.Height = c.Height;
    in.Remembered = c.Remembered;
    for (int p = 0; p < 3; ++p) {
      if (c.Remembered[p] > 0) current.Size[p] = c.Remembered[p];
    }
    QCOMPARE(KeepProportions(in, current), c.Size);
  }

  void ColourPrecedence_data() {
    QTest::addColumn<TColourCase>("c");
    QTest::newRow("plain, undecided") << TColourCase{false, false, false, false, TBoxColour::Window};
    QTest::newRow("plain, decided") << TColourCase{false, false, false, true, TBoxColour::Decided};
    QTest::newRow("booted too long") << TColourCase{false, false, true, false, TBoxColour::BootedTooLong};
    QTest::newRow("disqualified over booted") << TColourCase{false, true, true, false, TBoxColour::Disqualified};
    QTest::newRow("found over everything") << TColourCase{true, true, true, false, TBoxColour::Found};
    QTest::newRow("found at a decided table") << TColourCase{true, false, false, true, TBoxColour::FoundDecided};
  }
  void ColourPrecedence() {
    QFETCH(TColourCase, c);
    test::TEngineHost h(ElimDouble);
    h.AddPlayers(8);
    h.Close();
    const int entry = h.T.Model.Table(Winners, 0, 1).Seat[0];
    h.T.Model.SetDisqualified(entry, c.Disqualified);
    h.T.Model.SetBootedTooLong(entry, c.Booted);
    if (c.Decided) h.Win(Winners, 0, 1, 1);
    // The find text is compared without regard to case.
    if (c.Found) SetFindText(h.T, " p" + h.T.Model.Player(entry).Name.substr(1) + " ");
    QCOMPARE(RowLook(h.T, Winners, 0, 1, 0).Seats[0].Colour, c.Colour);
  }

  // Nine players: four full tables and a bye table in round 1, whose second
  // seat cannot be used. Its winner is marked at the next table until that
  // is decided; each row shows where the entry went or came from.
  void TheByeTableAndItsWinner() {
    test::TEngineHost h(ElimDouble);
    h.AddPlayers(9);
    h.Close();
    const TRowLook bye = RowLook(h.T, Winners, 0, 4, 0);
    QVERIFY(bye.Seats[0].Usable);
    QVERIFY(!bye.Seats[1].Usable);
    QCOMPARE(bye.Seats[1].Colour, TBoxColour::Unusable);
    QCOMPARE(TabCaptions(h.T, Winners).front(), std::string("1 *"));
    h.Win(Winners, 0, 4, 0);
    h.PlayRound(Winners, 0);
    const TPlayer& lucky = h.T.Model.Player(h.T.Model.Table(Winners, 0, 4).Seat[0]);
    const TTableRef next = lucky.Tables[1];
    const TRowLook look = RowLook(h.T, next.Bracket, next.Round, next.Index, 0);
    QCOMPARE(look.Seats[static_cast<size_t>(lucky.Seats[1])].Colour, TBoxColour::HadBye);
    QCOMPARE(RowLook(h.T, Winners, 0, 4, 0).Seats[0].Next, std::to_string(h.T.Model.Table(next).Number));
    QCOMPARE(look.Seats[static_cast<size_t>(lucky.Seats[1])].NextHint,
             "Came from " + std::to_string(h.T.Model.Table(Winners, 0, 4).Number));
  }

  void TabAndNextColumnCaptions() {
    test::TEngineHost h(ElimDouble);
    h.AddPlayers(8);
    h.Close();
    QCOMPARE(TabCaptions(h.T, Winners), (std::vector<std::string>{"1", "2", "WF", "GF"}));
    QCOMPARE(TabCaptions(h.T, OneLoss).back(), std::string("SF"));
    const std::vector<std::string> tabs{"1", "2 *", "3", "WF", "GF"};
    QCOMPARE(NextColumnCaption(tabs, 1), std::string("R3"));
    QCOMPARE(NextColumnCaption(tabs, 0), std::string("2 *"));
    QCOMPARE(NextColumnCaption(tabs, 3), std::string("GF"));
    QCOMPARE(NextColumnCaption(tabs, 4), std::string());
  }

  // File / "Export bracket picture...": each file type holds the whole
  // bracket (every entry's name; a PNG that is a real picture, not a blank
  // page). A failed export says which file and leaves an earlier one as it was.
  void PicturesHoldEveryNameAndAFailedExportChangesNothing() {
    QTemporaryDir dir;
    TTarnwickForm form;
    QVERIFY(form.OpenTourney(CopyTestFile(dir, "double9.vkr", "double9.vkr")));
    const TTourney& t = form.Tourney();
    for (const char* name : {"cup.svg", "cup.html"}) {
      QString error;
      QVERIFY2(ExportBracketPicture(t, dir.filePath(QString::fromLatin1(name)), &error), qPrintable(error));
      const QString text = QString::fromUtf8(ReadFile(dir.filePath(QString::fromLatin1(name))));
      for (int i = 0; i < t.Model.PlayerCount(); ++i)
        QVERIFY2(text.contains(ToQt(t.Model.Player(i).Name).toHtmlEscaped()), name);
    }
    QString error;
    QVERIFY2(ExportBracketPicture(t, dir.filePath(QStringLiteral("cup.PNG")), &error), qPrintable(error));
    const QImage png(dir.filePath(QStringLiteral("cup.PNG")));
    QVERIFY(png.width() > 1000 && png.height() > 300);
    int dark = 0;
    for (int y = 0; y < png.height(); y += 4)
      for (int x = 0; x < png.width(); x += 4) dark += qGray(png.pixel(x, y)) < 128;
    QVERIFY2(dark > 500, "the PNG is blank");

    QVERIFY(!ExportBracketPicture(t, dir.filePath(QStringLiteral("no/such/folder/cup.svg")), &error));
    QVERIFY(error.contains(QStringLiteral("cup.svg")));
    const QString earlier = dir.filePath(QStringLiteral("cup.txt"));
    WriteFile(earlier, "earlier");
    QVERIFY(!ExportBracketPicture(t, earlier, &error));
    QCOMPARE(ReadFile(earlier), QByteArray("earlier"));
  }
};

QTEST_MAIN(BracketLayoutTest)
#include "BracketLayoutTest.moc"
