#pragma once
// Finding a catalogue size by its designation as a person types it: without regard to case or
// to blanks, so "ipb100", "IPB 100" and " Ipb  100 " all name "IPB 100".

#include <string>
#include <string_view>
#include <vector>

#include "convert/Extended.h"

namespace pw::cli {

struct CatalogueEntry {
  int family = 0;  // 1 (L) .. 4 (IPB)
  int index = 0;   // position in the family's list
  std::string_view designation;
  Extended unitWeight = 0;
};

// Every size of the catalogue, family by family in list order.
const std::vector<CatalogueEntry>& CatalogueEntries();

// The size with that designation, or null.
const CatalogueEntry* FindDesignation(std::string_view text);

// Up to `count` designations nearest to the text (fewest single-character edits once case and
// blanks are set aside; catalogue order among equals).
std::vector<std::string_view> ClosestDesignations(std::string_view text, std::size_t count);

// The message for a designation that is not in the catalogue, naming the closest ones.
std::string UnknownDesignationMessage(std::string_view text);

}  // namespace pw::cli
