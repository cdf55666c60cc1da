// The channel dialog on a channel whose own-tone word came from the radio with its top bit set
// (an erased FF FF among them): the word is shown as the tone it makes, like any other tone
// outside the range, never as a negative one.
#include <QLineEdit>
#include <gtest/gtest.h>

#include "MainFixture.h"
#include "channels/FrmCHEdit.h"
#include "kit/MsgBox.h"

namespace rp {
namespace {

TEST(ChannelDialogToneWord, AWordFromTheRadioIsShownAsItsTone) {
    struct Case { std::uint16_t word; const char* shown; };
    for (const Case c : {Case{0xFFFF, "6553.5"}, Case{0x8000, "3276.8"}, Case{0x9C40, "4000.0"}}) {
        AppState st;
        test::UseLanguage(st, 1);
        ScopedMsgBoxScript msgs(MsgButton::Ok);
        ChannelData ch = test::MakeChannel(1, "145.0");
        ch.CustomCTCSS = static_cast<std::int16_t>(c.word);
        st.ChannelTable[0] = ch;
        st.CurRadioData.ChannelCount = 1;
        st.CurChannelNo = 1;
        FrmCHEdit d(st);
        EXPECT_EQ(d.Text3->text().toStdString(), c.shown) << c.word;
    }
}

}  // namespace
}  // namespace rp
