#pragma once
#include <string>
#include <vector>

enum class NameRole { Author, Translator, Editor };

// One person of a statement of responsibility, as an access point names them.
struct PersonalName {
    std::string entry;   // the surname of an inverted name, else the whole name
    std::string rest;    // the forenames of an inverted name
    std::string suffix;  // "Jr.", "III": what follows the forenames
    bool inverted = false;
    NameRole role = NameRole::Author;

    bool operator==(const PersonalName& other) const;
};

// The people of a statement (UTF-8) in order. It is split on ";", "；", "/", "，", "、", " and ", and on ","
// before a Chinese name; role words (著, 撰, 续, 编, 主编, 编著, 译, 等, 原著, "by", "edited by", "translated
// by") and a bracketed nationality
// ("(美)", "[英]") go, a role word that follows several names naming each of them up to the last ";" or
// "/". A name in Latin letters written forename-first is inverted, its last word the surname; a name with
// a comma is taken as inverted already; a Chinese or other name is kept in direct order.
std::vector<PersonalName> SplitPersonalNames(const std::string& statement);
