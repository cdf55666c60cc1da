// Serves the simulated radio on a pseudo-terminal. The first line of output is the device path
// to open; the program runs until it is stopped (SIGINT or SIGTERM). With --dump FILE it writes
// the radio's memory there after every end word and when it stops; with --log FILE, the
// addresses of every block read and written, one "R 0010" or "W 0100" a line.
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <signal.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "SimRadio.h"

namespace {

volatile sig_atomic_t g_stop = 0;
void OnSignal(int) { g_stop = 1; }

void Usage(std::FILE* to) {
    std::fputs(
        "usage: simradio [OPTION]...\n"
        "Serves a simulated radio on a pseudo-terminal and prints the device path on its first line;\n"
        "runs until stopped (Ctrl+C). Reply numbers N count every reply, from 1, of every kind (entry,\n"
        "identification, block, write acknowledgement). Numbers may be given in hex (0x...).\n"
        "\n"
        "The radio:\n"
        "  --image FILE        start with this 16384-byte memory image (default: every byte FF)\n"
        "  --dump FILE         write the memory to FILE after each END word and when stopped\n"
        "  --log FILE          write the address of each block read (R) and written (W) to FILE\n"
        "  --model CODE        the model code it reports, up to 7 characters\n"
        "  --band N            the band byte it reports (default 0); the program writes only to its data's band\n"
        "  --version TEXT      the version text it reports (default V100, the only one the program takes)\n"
        "  --status N          the status byte it reports: 1 killed, 2 stunned; the program then won't write\n"
        "  --password TEXT     its programming password, up to 4 characters (\"\" for none); it\n"
        "                      replaces the one in --image's memory, in either order\n"
        "  --paced             answer at the real 9600 baud, byte by byte: reading the erased memory\n"
        "                      (the default) takes about 10 s and writing new data about 9 s; with\n"
        "                      every channel in use, about 22 s and 19 s\n"
        "  --answer-end        acknowledge the END word with 0x06\n"
        "\n"
        "Faults:\n"
        "  --drop N            reply N is not sent\n"
        "  --corrupt N         reply N carries a wrong checksum\n"
        "  --short N           reply N lacks its last byte\n"
        "  --long N            reply N carries one byte too many\n"
        "  --wrong-address N   reply N, if it answers a block read, names the next block's address\n"
        "  --refuse N          the first N write frames are answered 0x0A and not stored; -1: every one\n"
        "  --silent-after ADDR once the block at ADDR is answered, no request is answered any more\n"
        "  --silent-for N      with --silent-after: only the next N requests go unanswered (N > 0)\n"
        "  --delay N           reply N comes late, by --delay-ms\n"
        "  --delay-ms MS       how late --delay's reply comes, in milliseconds\n"
        "  --help              show this help\n",
        to);
}

bool ParseInt(const char* s, int& v) {
    char* end = nullptr;
    errno = 0;
    const long l = std::strtol(s, &end, 0);
    if (errno != 0 || end == s || *end != '\0' || l < -1 || l > 0x7FFFFFFF) return false;
    v = static_cast<int>(l);
    return true;
}

std::int64_t NowNanos() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

void SleepUntil(std::int64_t t) {
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(t / 1'000'000'000);
    ts.tv_nsec = static_cast<long>(t % 1'000'000'000);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR && !g_stop) {}
}

bool WriteAll(int fd, const std::uint8_t* p, std::size_t n) {
    while (n > 0) {
        const ssize_t w = ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN) { pollfd pfd{fd, POLLOUT, 0}; ::poll(&pfd, 1, 100); continue; }
            return false;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    rp::sim::SimRadio radio;
    std::string dumpPath, logPath, imagePath;
    // The password is put into the memory after the image is loaded, whatever their order on the
    // command line: the image would otherwise bring its own password back.
    std::optional<std::string> password;
    bool paced = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
        auto num = [&](int& out) {
            if (!v || !ParseInt(v, out)) { std::fprintf(stderr, "simradio: %s needs a number\n", a.c_str()); std::exit(2); }
            ++i;
        };
        auto text = [&](std::string& out) {
            if (!v) { std::fprintf(stderr, "simradio: %s needs a value\n", a.c_str()); std::exit(2); }
            out = v;
            ++i;
        };
        int n = 0;
        std::string s;
        if (a == "--image") text(imagePath);
        else if (a == "--dump") text(dumpPath);
        else if (a == "--log") text(logPath);
        else if (a == "--model") text(radio.Config.Model);
        else if (a == "--band") { num(n); radio.Config.Band = static_cast<std::uint8_t>(n); }
        else if (a == "--version") text(radio.Config.Version);
        else if (a == "--status") { num(n); radio.Config.Status = static_cast<std::uint8_t>(n); }
        else if (a == "--password") { text(s); password = s; }
        else if (a == "--paced") paced = true;
        else if (a == "--answer-end") radio.Config.AnswerEndWord = true;
        else if (a == "--drop") num(radio.Faults.DropReply);
        else if (a == "--corrupt") num(radio.Faults.CorruptChecksum);
        else if (a == "--short") num(radio.Faults.ShortReply);
        else if (a == "--long") num(radio.Faults.LongReply);
        else if (a == "--wrong-address") num(radio.Faults.WrongAddress);
        else if (a == "--refuse") num(radio.Faults.RefuseWrites);
        else if (a == "--silent-after") num(radio.Faults.SilentAfterBlock);
        else if (a == "--silent-for") num(radio.Faults.SilentFor);
        else if (a == "--delay") num(radio.Faults.DelayReply);
        else if (a == "--delay-ms") num(radio.Faults.DelayMs);
        else if (a == "--help" || a == "-h") { Usage(stdout); return 0; }
        else { std::fprintf(stderr, "simradio: unknown option %s\n", a.c_str()); Usage(stderr); return 2; }
    }
    if (!imagePath.empty()) {
        std::string err;
        if (!radio.LoadImage(imagePath, err)) { std::fprintf(stderr, "simradio: %s\n", err.c_str()); return 2; }
    }
    if (password) radio.SetPassWord(*password);

    // Byte pacing sleeps a millisecond at a time; the default 50 us slack would add up.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::perror("simradio: pseudo-terminal");
        return 1;
    }
    const char* name = ptsname(master);
    if (!name) { std::perror("simradio: ptsname"); return 1; }
    const std::string device = name;
    // Holding the other side open keeps the master readable while no program has the port open.
    const int keep = ::open(device.c_str(), O_RDWR | O_NOCTTY);
    if (keep < 0) { std::perror("simradio: open slave"); return 1; }
    termios tio{};
    tcgetattr(keep, &tio);
    cfmakeraw(&tio);
    tcsetattr(keep, TCSANOW, &tio);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    signal(SIGPIPE, SIG_IGN);

    std::printf("%s\n", device.c_str());
    std::fflush(stdout);

    auto dump = [&] {
        if (!logPath.empty()) {
            const std::string tmp = logPath + ".part";
            if (FILE* f = std::fopen(tmp.c_str(), "w")) {
                for (int a : radio.ReadAddresses) std::fprintf(f, "R %04X\n", a);
                for (int a : radio.WriteAddresses) std::fprintf(f, "W %04X\n", a);
                std::fclose(f);
                std::rename(tmp.c_str(), logPath.c_str());
            }
        }
        if (dumpPath.empty()) return;
        std::string err;
        if (!radio.SaveImage(dumpPath, err)) std::fprintf(stderr, "simradio: %s\n", err.c_str());
    };

    constexpr std::int64_t kByteNanos = 10'000'000'000 / 9600;  // ten bits at 9600 baud
    std::int64_t firstByteAt = 0;  // when the oldest unanswered request byte arrived
    std::uint8_t buf[4096];
    while (!g_stop) {
        pollfd pfd{master, POLLIN, 0};
        const int pr = ::poll(&pfd, 1, 200);
        if (pr < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (pr == 0) continue;
        const ssize_t r = ::read(master, buf, sizeof buf);
        if (r <= 0) {
            if (r < 0 && (errno == EAGAIN || errno == EINTR)) continue;
            ::usleep(10000);
            continue;
        }
        const std::int64_t arrived = NowNanos();
        if (firstByteAt == 0) firstByteAt = arrived;
        const int endsBefore = radio.EndCount;
        for (const rp::sim::SimReply& reply : radio.Receive(buf, static_cast<std::size_t>(r))) {
            // The radio hears the request only once all its bits have crossed the line.
            std::int64_t t = firstByteAt + (paced ? kByteNanos * static_cast<std::int64_t>(reply.RequestLength) : 0);
            t += std::int64_t{reply.DelayMs} * 1'000'000;
            const std::int64_t now = NowNanos();
            if (t > now) SleepUntil(t);
            if (paced) {
                // The reply starts when the request has been heard, not when this process woke.
                std::int64_t next = t > now ? t : now;
                for (std::uint8_t byte : reply.Bytes) {
                    next += kByteNanos;
                    SleepUntil(next);
                    if (!WriteAll(master, &byte, 1)) break;
                }
            } else {
                WriteAll(master, reply.Bytes.data(), reply.Bytes.size());
            }
            firstByteAt = NowNanos();
        }
        firstByteAt = 0;
        if (radio.EndCount != endsBefore) dump();
    }
    dump();
    ::close(keep);
    ::close(master);
    return 0;
}
