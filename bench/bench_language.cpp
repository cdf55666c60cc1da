// Language files are read once per switch; texts are looked up for every caption of a form.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "model/IniFile.h"
#include "model/LangText.h"

namespace {

std::string ReadAll(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void BM_ParseLanguageFile(benchmark::State& st) {
    const std::string text = ReadAll(std::string(RP_SOURCE_DIR) + "/language/chinese.ini");
    for (auto _ : st) benchmark::DoNotOptimize(rp::IniFile::Parse(text));
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * text.size()));
}
BENCHMARK(BM_ParseLanguageFile);

void BM_SwitchLanguage(benchmark::State& st) {
    rp::AppState s;
    s.ProgramDir = RP_SOURCE_DIR;
    int lang = 1;
    for (auto _ : st) {
        rp::SetLanguage(s, lang);
        lang = 3 - lang;
    }
}
BENCHMARK(BM_SwitchLanguage);

void BM_GetLangStr(benchmark::State& st) {
    rp::AppState s;
    s.ProgramDir = RP_SOURCE_DIR;
    rp::SetLanguage(s, 1);
    for (auto _ : st) benchmark::DoNotOptimize(rp::GetLangStr(s, 8900));
}
BENCHMARK(BM_GetLangStr);

}  // namespace
