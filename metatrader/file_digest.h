// The content digest that tells whether a copied expert-advisor file is the one we ship.
#pragma once

#include <string>

// The 62 characters a digest is written in; a column sum picks one by its remainder.
inline constexpr char DIGEST_ALPHABET[] =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

// For a file of n bytes: the number of hexadecimal digits of n - 1, those digits ("%X"), then
// sixteen characters, one per column sum of the bytes 0 .. n - 2 taken in turn (byte i adds to
// column i mod 16), each sum modulo 62 in DIGEST_ALPHABET. The last byte is not summed.
// "" for an empty file or one that cannot be read.
std::string FileDigest(const std::string& path);
