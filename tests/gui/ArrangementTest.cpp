// Where the bracket panels go for each format, arrangement and set of
// minimised panels, and how their heights follow a resize.
#include <QtTest>

#include "engine/Model.h"
#include "ui/BracketArrangement.h"

using namespace vkr;
using Sizes = std::array<int, 3>;
using Flags = std::array<bool, 3>;
Q_DECLARE_METATYPE(Sizes)
Q_DECLARE_METATYPE(Flags)

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

}  // namespace

class ArrangementTest : public QObject {
  Q_OBJECT

 private slots:
  void WindowWidth_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("arrangement");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("vertical");
    QTest::newRow("single") << int(ElimSingle) << 0 << kW + kExtra << false;
    QTest::newRow("single, vertical chosen") << int(ElimSingle) << 1 << kW + kExtra << false;
    QTest::newRow("double side by side") << int(ElimDouble) << 0 << 2 * kW + kExtra << false;
    QTest::newRow("triple side by side") << int(ElimTriple) << 0 << 3 * kW + kExtra << false;
    QTest::newRow("double stacked") << int(ElimDouble) << 1 << kW + kExtra << true;
    QTest::newRow("triple stacked") << int(ElimTriple) << 1 << kW + kExtra << true;
    QTest::newRow("unknown arrangement") << int(ElimDouble) << 2 << 2 * kW + kExtra << false;
  }
  void WindowWidth() {
    QFETCH(int, format);
    QFETCH(int, arrangement);
    QFETCH(int, width);
    QFETCH(bool, vertical);
    const TArrangement a = ArrangeBrackets(Input(format, arrangement), {});
    QCOMPARE(a.WindowWidth, width);
    QCOMPARE(a.Vertical, vertical);
    // Side by side no minimise button is shown.
    QCOMPARE(a.ButtonShown[Winners], vertical);
  }

  void StackedPanels_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<Flags>("minimised");
    QTest::addColumn<Sizes>("order");
    QTest::addColumn<Sizes>("sizes");
    QTest::addColumn<Flags>("enabled");
    QTest::addColumn<int>("splitters");
    const int third = (kH - 8) / 3;
    const int half1 = (kH - 4 - kM) / 2;
    QTest::newRow("double") << int(ElimDouble) << Flags{} << Sizes{0, 1, 2} << Sizes{298, 298, 0}
                            << Flags{true, true, false} << 1;
    QTest::newRow("double, winners minimised") << int(ElimDouble) << Flags{true, false, false} << Sizes{0, 1, 2}
                                               << Sizes{kM, kH - kM, 0} << Flags{true, false, false} << 0;
    QTest::newRow("double, one-loss minimised") << int(ElimDouble) << Flags{false, true, false} << Sizes{0, 1, 2}
                                                << Sizes{kH - kM, kM, 0} << Flags{false, true, false} << 0;
    QTest::newRow("triple") << int(ElimTriple) << Flags{} << Sizes{0, 1, 2}
                            << Sizes{third, kH - 8 - 2 * third, third} << Flags{true, true, true} << 2;
    QTest::newRow("triple, W") << int(ElimTriple) << Flags{true, false, false} << Sizes{0, 1, 2}
                               << Sizes{kM, half1, kH - 4 - kM - half1} << Flags{true, true, true} << 1;
    QTest::newRow("triple, O goes to the bottom")
        << int(ElimTriple) << Flags{false, true, false} << Sizes{0, 2, 1} << Sizes{half1, kM, kH - 4 - kM - half1}
        << Flags{true, true, true} << 1;
    QTest::newRow("triple, T") << int(ElimTriple) << Flags{false, false, true} << Sizes{0, 1, 2}
                               << Sizes{half1, kH - 4 - kM - half1, kM} << Flags{true, true, true} << 1;
    QTest::newRow("triple, W and O: T may not be minimised")
        << int(ElimTriple) << Flags{true, true, false} << Sizes{0, 1, 2} << Sizes{kM, kM, kH - 2 * kM}
        << Flags{true, true, false} << 0;
    QTest::newRow("triple, W and T") << int(ElimTriple) << Flags{true, false, true} << Sizes{0, 1, 2}
                                     << Sizes{kM, kH - 2 * kM, kM} << Flags{true, false, true} << 0;
    QTest::newRow("triple, O and T") << int(ElimTriple) << Flags{false, true, true} << Sizes{0, 1, 2}
                                     << Sizes{kH - 2 * kM, kM, kM} << Flags{false, true, true} << 0;
  }
  void StackedPanels() {
    QFETCH(int, format);
    QFETCH(Flags, minimised);
    QFETCH(Sizes, order);
    QFETCH(Sizes, sizes);
    QFETCH(Flags, enabled);
    QFETCH(int, splitters);
    const TArrangement a = ArrangeBrackets(Input(format, 1, minimised), {});
    QCOMPARE(a.Order, order);
    QCOMPARE(a.Size, sizes);
    QCOMPARE(a.ButtonEnabled, enabled);
    QCOMPARE(int(a.SplitterShown[0]) + int(a.SplitterShown[1]), splitters);
    for (int p = 0; p <= format; ++p) QCOMPARE(a.TabsShown[p], !minimised[p]);
    // The panels and the splitters shown fill the brackets panel exactly.
    int used = splitters * 4;
    for (int p = 0; p <= format; ++p) used += a.Size[p];
    QCOMPARE(used, kH);
  }

  void AllThreeMinimisedChangesNothing() {
    const TArrangement before = ArrangeBrackets(Input(ElimTriple, 1, {true, true, false}), {});
    QCOMPARE(ArrangeBrackets(Input(ElimTriple, 1, {true, true, true}), before), before);
  }

  void ReleasingOneLossEnablesTwoLossAgain() {
    QVERIFY(!ArrangeBrackets(Input(ElimTriple, 1, {true, true, false}), {}).ButtonEnabled[TwoLoss]);
    QVERIFY(ArrangeBrackets(Input(ElimTriple, 1, {true, false, false}), {}).ButtonEnabled[TwoLoss]);
  }

  void ResizeKeepsTheSplitterProportions_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<Flags>("minimised");
    QTest::addColumn<Sizes>("remembered");
    QTest::addColumn<int>("height");
    QTest::addColumn<Sizes>("sizes");
    QTest::newRow("double 1:3") << int(ElimDouble) << Flags{} << Sizes{100, 300, 0} << 804 << Sizes{200, 600, 0};
    QTest::newRow("triple 1:2:1") << int(ElimTriple) << Flags{} << Sizes{100, 200, 100} << 808
                                  << Sizes{200, 400, 200};
    QTest::newRow("triple, W minimised") << int(ElimTriple) << Flags{true, false, false} << Sizes{kM, 100, 300}
                                         << 4 + kM + 400 << Sizes{kM, 100, 300};
    QTest::newRow("triple, T minimised, grows") << int(ElimTriple) << Flags{false, false, true}
                                                << Sizes{150, 50, kM} << 4 + kM + 800 << Sizes{600, 200, kM};
    QTest::newRow("triple, two minimised: the third fills")
        << int(ElimTriple) << Flags{true, true, false} << Sizes{kM, kM, 100} << 1000 << Sizes{kM, kM, 1000 - 2 * kM};
    QTest::newRow("nothing remembered keeps the first split")
        << int(ElimDouble) << Flags{} << Sizes{0, 0, 0} << kH << Sizes{298, 298, 0};
  }
  void ResizeKeepsTheSplitterProportions() {
    QFETCH(int, format);
    QFETCH(Flags, minimised);
    QFETCH(Sizes, remembered);
    QFETCH(int, height);
    QFETCH(Sizes, sizes);
    const TArrangement first = ArrangeBrackets(Input(format, 1, minimised), {});
    TArrangeInput in = Input(format, 1, minimised);
    in.Height = height;
    in.Remembered = remembered;
    TArrangement current = first;
    for (int p = 0; p < 3; ++p) {
      if (remembered[p] > 0) current.Size[p] = remembered[p];
    }
    QCOMPARE(KeepProportions(in, current), sizes);
  }
};

QTEST_MAIN(ArrangementTest)
#include "ArrangementTest.moc"
