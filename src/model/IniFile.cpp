#include "model/IniFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace rp {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(b, e - b);
}

std::string Lower(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

std::string IndexKey(std::string_view section, std::string_view key) {
    return Lower(Trim(section)) + '\n' + Lower(Trim(key));
}

// The line's text without a CR left from a CRLF line end.
std::string_view Content(const std::string& line) {
    std::string_view v(line);
    if (!v.empty() && v.back() == '\r') v.remove_suffix(1);
    return v;
}

// The section name when the line is a section header.
std::optional<std::string_view> SectionName(std::string_view content) {
    std::string_view t = Trim(content);
    if (t.empty() || t.front() != '[') return std::nullopt;
    std::size_t close = t.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

bool IsBlank(std::string_view content) { return Trim(content).empty(); }

// A value written inside a pair of matching quotes reads without them, so a value can keep
// blanks at its ends; a quote anywhere else is text.
std::string_view Unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile f;
    if (text.substr(0, kBom.size()) == kBom) {
        f.bom_ = true;
        text.remove_prefix(kBom.size());
    }
    if (text.find("\r\n") != std::string_view::npos) f.eol_ = "\r\n";
    if (!text.empty()) {
        f.finalEol_ = text.back() == '\n';
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t nl = text.find('\n', start);
            if (nl == std::string_view::npos) {
                f.lines_.emplace_back(text.substr(start));
                break;
            }
            f.lines_.emplace_back(text.substr(start, nl - start));
            start = nl + 1;
        }
    }
    f.Reindex();
    return f;
}

std::optional<IniFile> IniFile::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return Parse(ss.str());
}

void IniFile::Reindex() {
    index_.clear();
    sections_.clear();
    std::string current;
    bool inSection = false;
    bool firstOfName = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view c = Content(lines_[i]);
        if (auto name = SectionName(c)) {
            current = Lower(*name);
            inSection = true;
            firstOfName = sections_.emplace(current, i).second;
            continue;
        }
        if (!inSection || !firstOfName) continue;
        std::string_view t = Trim(c);
        if (t.empty() || t.front() == ';') continue;
        std::size_t eq = t.find('=');
        if (eq == std::string_view::npos) continue;
        std::string key = current + '\n' + Lower(Trim(t.substr(0, eq)));
        index_.emplace(std::move(key), Entry{i, std::string(Unquote(Trim(t.substr(eq + 1))))});
    }
}

std::string IniFile::Get(std::string_view section, std::string_view key) const {
    auto it = index_.find(IndexKey(section, key));
    return it == index_.end() ? std::string() : it->second.Value;
}

bool IniFile::Has(std::string_view section, std::string_view key) const {
    return index_.count(IndexKey(section, key)) != 0;
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    auto sec = sections_.find(Lower(Trim(section)));
    if (sec == sections_.end()) return keys;
    for (std::size_t i = sec->second + 1; i < lines_.size(); ++i) {
        std::string_view c = Content(lines_[i]);
        if (SectionName(c)) break;
        std::string_view t = Trim(c);
        if (t.empty() || t.front() == ';') continue;
        std::size_t eq = t.find('=');
        if (eq != std::string_view::npos) keys.emplace_back(Trim(t.substr(0, eq)));
    }
    return keys;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string cr = eol_ == "\r\n" ? "\r" : "";
    auto it = index_.find(IndexKey(section, key));
    if (it != index_.end()) {
        std::string& line = lines_[it->second.Line];
        const bool hadCr = !line.empty() && line.back() == '\r';
        std::string_view t = Trim(Content(line));
        std::string written(Trim(t.substr(0, t.find('='))));
        line = written + '=' + std::string(value) + (hadCr ? "\r" : "");
    } else {
        std::string newLine = std::string(Trim(key)) + '=' + std::string(value) + cr;
        auto sec = sections_.find(Lower(Trim(section)));
        if (sec != sections_.end()) {
            std::size_t end = sec->second + 1;
            while (end < lines_.size() && !SectionName(Content(lines_[end]))) ++end;
            std::size_t at = end;
            while (at > sec->second + 1 && IsBlank(Content(lines_[at - 1]))) --at;
            lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(newLine));
        } else {
            if (!lines_.empty() && !finalEol_) {
                // The old last line had no line end; it gets one so the new section starts afresh.
                finalEol_ = true;
                if (!cr.empty()) lines_.back() += cr;
            }
            if (lines_.empty()) finalEol_ = true;
            lines_.push_back('[' + std::string(Trim(section)) + ']' + cr);
            lines_.push_back(std::move(newLine));
        }
    }
    Reindex();
}

std::string IniFile::Text() const {
    std::string out;
    if (bom_) out += kBom;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i];
        if (i + 1 < lines_.size() || finalEol_) out += '\n';
    }
    return out;
}

bool IniFile::Save(const std::string& path) const {
    const std::string tmp = path + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        const std::string text = Text();
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            out.close();
            std::remove(tmp.c_str());
            return false;
        }
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        std::remove(tmp.c_str());
        return false;
    }
    return true;
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
    std::optional<IniFile> loaded = IniFile::Load(path);
    std::error_code ec;
    // A file that is there but cannot be read must not be replaced by one holding a single key.
    if (!loaded && std::filesystem::exists(path, ec)) return false;
    IniFile f = loaded.value_or(IniFile());
    f.Set(section, key, value);
    return f.Save(path);
}

}  // namespace rp
