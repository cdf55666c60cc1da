// Times a whole read and a whole write through the real serial port against the simulated radio
// on a pseudo-terminal, once with the radio pacing its bytes as a 9600-baud line does and once as
// fast as the pseudo-terminal goes, for three data sets: the radio as simradio starts (every byte
// FF, all free) read and the program's new data written ("new": a first try without a radio),
// every channel in use ("channels"), and everything in use with every list full ("full":
// broadcast, AM, book, 2-Tone, five-tone, DTMF), which moves the most blocks. Free entries are not
// moved, so the time grows with what is in use. Prints the exchange time, the time its bytes need
// on a 9600-baud line, and their ratio.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>
#include <fstream>

#include "FullDataSet.h"
#include "PtyHarness.h"
#include "comm/CommImage.h"
#include "model/NewData.h"
#include "qtcomm/QtCommLink.h"

using namespace rp;

namespace {

enum class DataSet { New, Channels, Full };

const char* NameOf(DataSet d) { return d == DataSet::New ? "new" : d == DataSet::Channels ? "channels" : "full"; }

void FullData(AppState& st, DataSet data) {
    if (data == DataSet::Full) {
        bench::FillFullData(st);
        st.LangText = [](int id) { return "text " + std::to_string(id); };
        return;
    }
    NewData(st);
    st.LangText = [](int id) { return "text " + std::to_string(id); };
    if (data == DataSet::New) return;
    for (int n = 1; n <= kMemoryChannels; ++n) {
        bool present = false;
        for (int i = 0; i < st.CurRadioData.ChannelCount; ++i)
            if (st.ChannelTable[i].ChannelNo == n) present = true;
        if (!present) AddDefaultChannel(st, n, n % 2 ? "410.0000" : "150.0000");
    }
}

struct Result {
    bool ok = false;
    double seconds = 0, lineSeconds = 0;
};

Result RunOne(const QString& simradio, bool paced, bool write, DataSet data, const std::string& image) {
    QStringList args;
    if (paced) args << "--paced";
    if (!write && data != DataSet::New) args << "--image" << QString::fromStdString(image);
    sim::PtyRadioProcess radio(simradio, args);
    Result r;
    if (!radio.Ok()) { std::fprintf(stderr, "%s\n", radio.Error().c_str()); return r; }
    AppState st;
    FullData(st, data);
    st.ComPortName = radio.Device();
    sim::RecordingUser user;
    QtCommLink link(st, user);
    QElapsedTimer t;
    t.start();
    const bool started = write ? link.Comm().WriteRadio() : link.Comm().ReadRadio();
    const bool ended = started && sim::RunExchange(st, 600000);
    r.seconds = t.nsecsElapsed() / 1e9;
    r.lineSeconds = double(link.Port().BytesWritten + link.Port().BytesRead) * 10.0 / 9600.0;
    r.ok = ended && !user.Messages.empty() && user.Messages.back().first == (write ? "text 2005" : "text 2004");
    if (!r.ok && !user.Messages.empty()) std::fprintf(stderr, "last message: %s\n", user.Messages.back().first.c_str());
    return r;
}

void Usage(std::FILE* to) {
    std::fputs(
        "usage: exchange_bench [paced|unpaced [read|write [new|channels|full]]]\n"
        "Times whole reads and writes through the real serial port against the simulated radio\n"
        "(simradio) on a pseudo-terminal, and prints each exchange's time, the time its bytes need\n"
        "on a 9600-baud line, and their ratio. Without arguments it runs every case: each data set\n"
        "(new: the program's new data; channels: every channel in use; full: every list full as\n"
        "well), read and written, with the radio paced as a 9600-baud line and unpaced. Each\n"
        "argument keeps only the cases it names. The exit status is 1 when an exchange failed.\n"
        "  -h, --help   show this help\n",
        to);
}

// Each optional argument picks among the cases: the line, then the exchange, then the data set.
// Whatever else is given is refused: a mistyped word would quietly run the cases it did not name.
int CheckArguments(const QStringList& a) {
    if (a.size() > 1 && (a[1] == "-h" || a[1] == "--help")) {
        Usage(stdout);
        return 0;
    }
    const QStringList words[] = {{"paced", "unpaced"}, {"read", "write"}, {"new", "channels", "full"}};
    for (qsizetype i = 1; i < a.size(); ++i) {
        if (i <= 3 && words[i - 1].contains(a[i])) continue;
        std::fprintf(stderr, "exchange_bench: unexpected argument %s\n", qPrintable(a[i]));
        Usage(stderr);
        return 2;
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (const int status = CheckArguments(a); status >= 0) return status;
    const QString simradio = QString::fromUtf8(RP_RUNTIME_DIR) + "/simradio";
    std::printf("%-8s %-8s %-8s %10s %10s %7s\n", "data", "line", "exchange", "time s", "9600 s", "ratio");
    int failures = 0;
    for (DataSet data : {DataSet::New, DataSet::Channels, DataSet::Full}) {
        if (a.size() > 3 && a[3] != NameOf(data)) continue;
        AppState st;
        FullData(st, data);
        InitCommImage(st);
        std::string label;
        if (!SetCommData(st, label)) { std::fprintf(stderr, "encoder failed: %s\n", label.c_str()); return 1; }
        const std::string image = QDir::temp().filePath("exchange_bench.img").toStdString();
        {
            std::ofstream f(image, std::ios::binary | std::ios::trunc);
            f.write(reinterpret_cast<const char*>(st.CommImage.data()), static_cast<std::streamsize>(st.CommImage.size()));
        }
        for (bool paced : {true, false}) {
            if (a.size() > 1 && (a[1] == "paced") != paced) continue;
            for (bool write : {false, true}) {
                if (a.size() > 2 && (a[2] == "write") != write) continue;
                const Result r = RunOne(simradio, paced, write, data, image);
                if (!r.ok) ++failures;
                std::printf("%-8s %-8s %-8s %10.3f %10.3f %7.3f%s\n", NameOf(data),
                            paced ? "paced" : "unpaced", write ? "write" : "read", r.seconds, r.lineSeconds,
                            r.lineSeconds > 0 ? r.seconds / r.lineSeconds : 0.0, r.ok ? "" : "  FAILED");
                std::fflush(stdout);
            }
        }
        std::remove(image.c_str());
    }
    return failures == 0 ? 0 : 1;
}
