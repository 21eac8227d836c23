#pragma once

#include <QImage>
#include <functional>
#include <string>
#include <vector>

// Every bitmap the program loads by name, with the library that holds it and how it is drawn. The
// generator packs exactly these; the tests check the packed libraries against the same table.
namespace bitmap_catalog {

enum class Library { Skin, Defaults };

struct Entry {
    std::string name;
    Library library;
    std::function<QImage()> render;
};

const std::vector<Entry> &Entries();

}  // namespace bitmap_catalog
