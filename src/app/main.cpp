// The program. Its windows are created from their form descriptions, which the framework cannot
// read yet; until then it says so.

#include <cstdio>

int main() {
  std::puts(
      "profile-weight: the \"Profile Weight\" and \"Resume\" windows are not available yet in "
      "this build (their form descriptions cannot be read yet); run the tests to exercise the "
      "calculator and the slide navigation.");
  return 0;
}
