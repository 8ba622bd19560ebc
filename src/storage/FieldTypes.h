#pragma once

#include <QString>
#include <optional>

// The two archive field types. A PascalString of capacity N takes N + 1 bytes: a length
// byte, then up to N characters in Windows-1252. A FlagField is a PascalString of capacity 2
// holding "Sì" (02 53 EC) or "No" (02 4E 6F) and stores a check box.
struct PascalString {
    // Reads at most `capacity` characters, whatever the length byte claims, and trims them.
    static QString read(const char* field, int capacity);
    // Stores the trimmed text, "?" for characters Windows-1252 lacks, cut to the capacity.
    // Bytes after the text are left as they were.
    static void write(char* field, int capacity, const QString& text);
};

struct FlagField {
    static constexpr int capacity = 2;
    // true for exactly "Sì", false for exactly "No", nothing for any other content.
    static std::optional<bool> read(const char* field);
    static void write(char* field, bool checked);
};
