// mainshot OUT.png [grid] [lang]: the main window with 206 channels, grabbed into a picture.
#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include "MainFixture.h"
#include "model/DataFiles.h"
#include "shell/frmMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    rp::AppState st;
    rp::test::UseLanguage(st, argc > 3 ? std::atoi(argv[3]) : 1);
    rp::test::FillAllChannels(st);
    for (int i = 0; i < 101; ++i) {
        st.CurRadioData.FMRadioList[i].Frequency = rp::FormatPadded(876000 + i * 2000, 8);
        st.CurRadioData.AMList[i] = rp::FormatFixed(118.0 + i * 0.125, 4);
    }
    rp::test::TempSettings settings;
    rp::frmMain w(st, settings.Make());
    w.resize(1400, 900);
    w.move(0, 0);
    w.show();
    if (argc > 2) w.ShowGridType(std::atoi(argv[2]));
    const QString out = argv[1];
    QTimer::singleShot(300, [&] {
        w.grab().save(out);
        // The picture's data count as saved, so closing asks no save question.
        rp::CopyDataToFileRec(st);
        app.quit();
    });
    return app.exec();
}
