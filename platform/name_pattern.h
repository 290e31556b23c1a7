#pragma once
// Matching and ordering of directory entries where the system offers no wildcard search of its own (Linux).
#include <string_view>

namespace qm {

/// Whether `name` matches the last part of a search pattern. "*.*" and "*" match every name, also one without
/// a dot; otherwise "*" matches any run of bytes and "?" one character (a UTF-8 sequence counts as one), and
/// ASCII letters are compared without regard to case.
bool MatchNamePattern(std::string_view pattern, std::string_view name);

/// The order in which a search lists names, the way Windows lists an NTFS folder: byte order with ASCII letters
/// compared as capitals; names that differ only in case follow byte order.
bool ListsBefore(std::string_view a, std::string_view b);

}  // namespace qm
