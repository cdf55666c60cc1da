// The factory test-data window: the bytes the last read brought from block 0, and the test-data
// file that carries them beside a saved data file.
#include <QLineEdit>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "PtyHarness.h"
#include "UserRound.h"
#include "comm/CommImage.h"
#include "model/DataFiles.h"
#include "shell/FrmTestData.h"
#include "shell/frmMain.h"

namespace rp {
namespace {

TEST(TestDataWindow, ShowsTheBytesInHexReadOnlyAndNothingBeforeARead) {
    AppState st;
    test::PrepareUserRound(st);
    {
        FrmTestData d(st);
        EXPECT_EQ(d.TextTestData->text(), "");
        EXPECT_TRUE(d.TextTestData->isReadOnly());
        EXPECT_EQ(d.LabelTestData->text(), QString::fromStdString(GetLangStr(st, 8002)));
    }
    st.TestData = TestDataBlock{0x00, 0x01, 0x0A, 0x10, 0x7F, 0x80, 0xAB, 0xFF, 0x20, 0x30, 0x41, 0x5A, 0x9C, 0xC3, 0xE7, 0xFE};
    FrmTestData d(st);
    EXPECT_EQ(d.TextTestData->text(), "00 01 0A 10 7F 80 AB FF 20 30 41 5A 9C C3 E7 FE");
}

// Read in the test-data mode through the menus against the simulated radio: the window shows the
// radio's block 0, and Save As puts the same 16 bytes beside the data file.
TEST(TestDataWindow, ShowsWhatTheReadBroughtAndSaveKeepsItBesideTheDataFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    AppState src;
    test::PrepareUserRound(src);
    InitCommImage(src);
    std::string label;
    ASSERT_TRUE(SetCommData(src, label)) << label;
    for (int i = 0; i < 16; ++i) src.CommImage[i] = static_cast<std::uint8_t>(0xC0 + i);
    const std::string imagePath = dir.filePath("radio.img").toStdString();
    std::ofstream(imagePath, std::ios::binary)
        .write(reinterpret_cast<const char*>(src.CommImage.data()), static_cast<std::streamsize>(src.CommImage.size()));
    sim::PtyRadioProcess radio(QString(RP_RUNTIME_DIR) + "/simradio", {"--image", QString::fromStdString(imagePath)});
    ASSERT_TRUE(radio.Ok()) << radio.Error();

    AppState st;
    test::PrepareUserRound(st);
    st.ComPortName = radio.Device();
    st.TestDataMode = true;
    test::TempSettings settings;
    frmMain w(st, settings.Make());
    ASSERT_NO_FATAL_FAILURE(test::ReadFromRadio(st, w));

    QString shown;
    ASSERT_TRUE(test::RunModal<FrmTestData>([&] { w.mnuTestData_Click(); },
                                            [&](FrmTestData& d) { shown = d.TextTestData->text(); }));
    EXPECT_EQ(shown, "C0 C1 C2 C3 C4 C5 C6 C7 C8 C9 CA CB CC CD CE CF");

    const QString path = dir.filePath("radio.dat");
    test::SaveAs(w, path);
    std::ifstream ted(GetTedFileName(path.toStdString()), std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(ted), {}};
    ASSERT_EQ(bytes.size(), 16u);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(bytes[i], 0xC0 + i) << i;
}

}  // namespace
}  // namespace rp
