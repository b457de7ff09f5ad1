// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "source.h"

#include "text.h"

namespace tangram::catalogue {

namespace {

class SourceParser {
public:
    SourceParser(std::vector<Token> tokens, const std::string& file)
        : tokens_(std::move(tokens)), file_(file) {}

    ReadResult Run() {
        while (pos_ < tokens_.size()) {
            const Token& t = tokens_[pos_];
            if (!t.quoted && t.text == "category") {
                Category();
            } else if (!t.quoted && t.text == "puzzle") {
                Puzzle();
            } else {
                Error(t.line, Str("expected 'category' or 'puzzle', found '", t.text, "'"));
                SkipToKeyword();
            }
        }
        result_.catalogue.hasNames = true;
        return std::move(result_);
    }

private:
    void Error(int line, std::string message) {
        result_.errors.push_back({{file_, line}, std::move(message)});
    }
    bool AtEnd() const { return pos_ >= tokens_.size(); }
    int Line() const { return AtEnd() ? LastLine() : tokens_[pos_].line; }
    int LastLine() const { return tokens_.empty() ? 1 : tokens_.back().line; }
    bool AtKeyword() const {
        return !AtEnd() && !tokens_[pos_].quoted &&
               (tokens_[pos_].text == "category" || tokens_[pos_].text == "puzzle");
    }
    void SkipToKeyword() {
        ++pos_;
        while (!AtEnd() && !AtKeyword()) {
            ++pos_;
        }
    }

    // A byte-sized number; `what` names it in the message.
    bool Number(const char* what, int& value) {
        if (AtEnd() || AtKeyword() || tokens_[pos_].quoted) {
            Error(Line(), Str("expected ", what));
            return false;
        }
        auto v = ParseInt(tokens_[pos_].text, 0, 255);
        if (!v) {
            Error(Line(),
                  Str(what, " must be a whole number 0..255, found '", tokens_[pos_].text, "'"));
            return false;
        }
        value = *v;
        ++pos_;
        return true;
    }
    bool Name(const char* what, std::string& name) {
        if (AtEnd() || !tokens_[pos_].quoted) {
            Error(Line(), Str("expected the ", what, " name in double quotes"));
            return false;
        }
        name = tokens_[pos_].text;
        ++pos_;
        return true;
    }

    void Category() {
        int line = tokens_[pos_++].line;
        int number = 0;
        std::string english;
        std::string german;
        if (!Number("a category number", number) || !Name("English", english) ||
            !Name("German", german)) {
            SkipToKeyword();
            return;
        }
        auto& c = result_.catalogue.categories[number];
        if (c.declared) {
            Error(line, Str("category ", number, " is declared again (first at line ", c.where.line,
                            ")"));
            return;
        }
        c = {true, true, english, german, {file_, line}};
    }

    void Puzzle() {
        int line = tokens_[pos_++].line;
        catalogue::Puzzle p;
        p.where = {file_, line};
        int category = 0;
        if (!Number("a category number", category) || !Name("English", p.english) ||
            !Name("German", p.german)) {
            SkipToKeyword();
            return;
        }
        p.category = static_cast<uint8_t>(category);
        p.categoryDeclared = result_.catalogue.categories[category].declared;
        static constexpr const char* kWhat[3] = {"a column", "a row", "an orientation"};
        for (int i = 0; i < 21; ++i) {
            if (AtEnd() || AtKeyword()) {
                Error(line, Str("the puzzle has ", i,
                                " of its 21 numbers (seven lines of column, row, orientation)"));
                return;
            }
            int v = 0;
            if (!Number(kWhat[i % 3], v)) {
                SkipToKeyword();
                return;
            }
            auto& s = p.solution[i / 3];
            (i % 3 == 0 ? s.col : i % 3 == 1 ? s.row : s.orient) = static_cast<uint8_t>(v);
        }
        result_.catalogue.puzzles.push_back(std::move(p));
    }

    std::vector<Token> tokens_;
    std::string file_;
    size_t pos_ = 0;
    ReadResult result_;
};

}  // namespace

ReadResult ParseSource(std::string_view text, const std::string& file) {
    TokenizeResult t = Tokenize(text);
    if (!t.error.empty()) {
        ReadResult r;
        r.errors.push_back({{file, t.errorLine}, t.error});
        return r;
    }
    return SourceParser(std::move(t.tokens), file).Run();
}

std::string WriteSource(const Catalogue& c, const WriteOptions& options) {
    std::string out;
    if (!options.header.empty()) {
        size_t start = 0;
        while (start < options.header.size()) {
            size_t end = options.header.find('\n', start);
            if (end == std::string::npos) {
                end = options.header.size();
            }
            out += "# " + options.header.substr(start, end - start) + "\n";
            start = end + 1;
        }
        out += "\n";
    }
    for (size_t n = 0; n < c.categories.size(); ++n) {
        const Category& cat = c.categories[n];
        if (cat.declared) {
            out += Str("category ", n, " \"", cat.english, "\" \"", cat.german, "\"\n");
        }
    }
    int number = 0;
    for (const Puzzle& p : c.puzzles) {
        ++number;
        out += "\n";
        if (options.origins) {
            std::string file = p.where.file.substr(p.where.file.find_last_of('/') + 1);
            out += Str("# ", number, ": ", file, ":", p.where.line, "\n");
        }
        out += Str("puzzle ", int{p.category}, " \"", p.english, "\" \"", p.german, "\"\n");
        for (const PieceState& s : p.solution) {
            out += Str("  ", int{s.col}, " ", int{s.row}, " ", int{s.orient}, "\n");
        }
    }
    return out;
}

}  // namespace tangram::catalogue
