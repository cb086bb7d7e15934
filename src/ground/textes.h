// The program speaks French or English. Every text of its windows that the language file does
// not name is a Texte: its two forms side by side, written once in ground/messages.h.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvan {

// The numbers are those of the command line's first argument and of the language file's columns.
enum class Langue { francais = 1, anglais = 2 };

// A language from the language file's column number; French for any other number.
Langue langue_numero(int k);

struct Texte {
    std::string francais, anglais;

    Texte() = default;
    Texte(std::string fr, std::string en) : francais(std::move(fr)), anglais(std::move(en)) {}
    // A text that is the same in both languages: a name, a number, a genotype.
    static Texte tel_quel(std::string t) { return {t, t}; }

    const std::string& dans(Langue l) const { return l == Langue::anglais ? anglais : francais; }
    // Each form with its "{}" replaced, in order, by the same form of the values.
    Texte avec(const std::vector<Texte>& valeurs) const;
    bool operator==(const Texte&) const = default;
};

// Joined form by form.
Texte operator+(const Texte& a, const Texte& b);
Texte operator+(const Texte& a, const std::string& b);
Texte operator+(const std::string& a, const Texte& b);

// The language the program speaks now. The window owns one and lends it to what shows text.
class Traduction {
  public:
    Langue langue() const { return langue_; }
    void change(Langue l) { langue_ = l; }
    const std::string& operator()(const Texte& t) const { return t.dans(langue_); }

  private:
    Langue langue_ = Langue::francais;
};

// The language that the machine's locale asks for (LC_ALL, else LC_MESSAGES, else LANG): English
// for "en" and its regions, French for anything else.
Langue langue_du_systeme();

} // namespace orvan
