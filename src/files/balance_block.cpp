#include "files/balance_block.h"

#include <algorithm>
#include <optional>

namespace ws {

namespace {

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == ';' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

std::string joined(std::initializer_list<std::string_view> fields) {
    std::string line;
    bool first = true;
    for (const std::string_view f : fields) {
        if (!first) line += "; ";
        line += escaped(f);
        first = false;
    }
    return line;
}

// The fields of a line written by `joined`; each "; " separates two.
std::vector<std::string> fields(std::string_view text) {
    std::vector<std::string> out(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            out.back() += text[++i];
        } else if (c == ';') {
            out.emplace_back();
            if (i + 1 < text.size() && text[i + 1] == ' ') ++i;
        } else {
            out.back() += c;
        }
    }
    return out;
}

std::string_view withoutTrailingBlanks(std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    return line;
}

// The rest of `line` after `key`, when it starts with it.
std::optional<std::string_view> after(std::string_view line, std::string_view key) {
    if (!line.starts_with(key)) return std::nullopt;
    return line.substr(key.size());
}

// One line of the block into `b`; false when it is not understood.
bool readLine(std::string_view line, int number, BalanceData& b, std::vector<BalanceFileNote>& notes) {
    if (withoutTrailingBlanks(line).empty()) return true;
    if (const auto rest = after(line, "method: ")) {
        const std::string_view method = withoutTrailingBlanks(*rest);
        if (method != "items" && method != "weighing") return false;
        b.method = method == "items" ? BalanceMethod::Items : BalanceMethod::Weighing;
        return true;
    }
    for (const std::string_view key : {"item: ", "movable: "}) {
        const auto rest = after(line, key);
        if (!rest) continue;
        const std::vector<std::string> f = fields(*rest);
        if (f.size() != 3) return false;
        if (int(b.items.size()) >= kMaxMassItems) {
            if (notes.empty() || notes.back().code != BalanceFileCode::TooManyItems)
                notes.push_back({BalanceFileCode::TooManyItems, number});
            return true;
        }
        b.items.push_back({f[0], f[1], f[2]});
        if (key == "movable: ") {
            if (b.movable == 0)
                b.movable = int(b.items.size());
            else
                notes.push_back({BalanceFileCode::SecondMovable, number});
        }
        return true;
    }
    for (int k = 1; k <= 2; ++k) {
        const std::string key = "support " + std::to_string(k) + ": ";
        const auto rest = after(line, key);
        if (!rest) continue;
        const std::vector<std::string> f = fields(*rest);
        if (f.size() != 2) return false;
        b.supports[std::size_t(k - 1)] = {f[0], f[1]};
        return true;
    }
    if (const auto rest = after(line, "ballast at: ")) {
        const std::vector<std::string> f = fields(*rest);
        if (f.size() != 1) return false;
        b.ballastAt = f[0];
        return true;
    }
    return false;
}

// Whether a line of `text` will read as the block's start once written: the
// writer drops every '\r', so "\r--- WinStabix ..." becomes one.
bool hasStartLine(std::string_view text) {
    std::string line;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        line.assign(text.substr(start, end - start));
        std::erase(line, '\r');
        if (withoutTrailingBlanks(line) == kBalanceStartLine) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

std::vector<std::string> balanceBlockLines(const BalanceData& b, std::string_view remarks) {
    std::vector<std::string> lines;
    if (b.empty()) {
        if (hasStartLine(remarks)) lines = {std::string(kBalanceStartLine), std::string(kBalanceEndLine)};
        return lines;
    }
    lines.emplace_back(kBalanceStartLine);
    lines.emplace_back(b.method == BalanceMethod::Weighing ? "method: weighing" : "method: items");
    for (std::size_t i = 0; i < b.items.size(); ++i) {
        const MassItemText& item = b.items[i];
        const bool movable = int(i) + 1 == b.movable;
        lines.push_back(std::string(movable ? "movable: " : "item: ") +
                        joined({item.name, item.mass, item.x}));
    }
    for (int k = 1; k <= 2; ++k) {
        const SupportText& s = b.supports[std::size_t(k - 1)];
        if (s == SupportText{}) continue;
        lines.push_back("support " + std::to_string(k) + ": " + joined({s.x, s.reading}));
    }
    if (!b.ballastAt.empty()) lines.push_back("ballast at: " + escaped(b.ballastAt));
    lines.emplace_back(kBalanceEndLine);
    return lines;
}

RemarksAndBalance splitBalanceBlock(std::string_view remarks, int firstLine) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = remarks.find('\n', start);
        lines.push_back(remarks.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    RemarksAndBalance out;
    std::size_t begin = lines.size();
    for (std::size_t i = lines.size(); i-- > 0;) {
        if (withoutTrailingBlanks(lines[i]) == kBalanceStartLine) {
            begin = i;
            break;
        }
    }
    if (begin == lines.size()) {
        out.remarks = std::string(remarks);
        return out;
    }
    out.hasBlock = true;
    std::vector<std::string_view> own(lines.begin(), lines.begin() + std::ptrdiff_t(begin));
    std::size_t i = begin + 1;
    for (; i < lines.size() && withoutTrailingBlanks(lines[i]) != kBalanceEndLine; ++i) {
        const int number = firstLine + int(i);
        if (!readLine(lines[i], number, out.balance, out.notes))
            out.notes.push_back({BalanceFileCode::LineNotUnderstood, number});
    }
    if (i == lines.size())
        out.notes.push_back({BalanceFileCode::NoEndLine, firstLine + int(lines.size()) - 1});
    else
        own.insert(own.end(), lines.begin() + std::ptrdiff_t(i + 1), lines.end());
    for (std::size_t k = 0; k < own.size(); ++k) {
        if (k) out.remarks += '\n';
        out.remarks += own[k];
    }
    return out;
}

}  // namespace ws
