// formc: compiles a form description (JSON) into a binary form stream, or into the C++ header of
// its window class's published fields and methods.
//
//   formc [--pictures DIR] INPUT.json OUTPUT.bin
//   formc --bindings INPUT.json OUTPUT.h
//
// Picture and bitmap files named in the description are looked up in DIR (default: the folder of
// the description). The output is replaced only when the compilation succeeds.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "formc/FormBindings.h"
#include "formc/FormCompiler.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " + path.string());
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteFileReplacing(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  const std::filesystem::path temporary = path.string() + ".part";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + temporary.string());
  }
  std::filesystem::rename(temporary, path);
}

int Usage() {
  std::cerr << "usage: formc [--pictures DIR] INPUT.json OUTPUT.bin\n"
               "       formc --bindings INPUT.json OUTPUT.h\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::filesystem::path pictures;
  bool bindings = false;
  if (!args.empty() && args[0] == "--bindings") {
    bindings = true;
    args.erase(args.begin());
  } else if (args.size() >= 2 && args[0] == "--pictures") {
    pictures = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.size() != 2) return Usage();
  const std::filesystem::path input = args[0];
  const std::filesystem::path output = args[1];
  if (pictures.empty()) pictures = input.parent_path();

  try {
    const std::vector<std::uint8_t> text = ReadFile(input);
    const pw::formc::Json description = pw::formc::ParseDescription(
        std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
    if (bindings) {
      const std::string header = pw::formc::WriteBindings(pw::formc::CollectBindings(description),
                                                          input.filename().string());
      WriteFileReplacing(output, std::vector<std::uint8_t>(header.begin(), header.end()));
      return 0;
    }
    const auto stream = pw::formc::CompileForm(
        description, [&](const std::string& file) { return ReadFile(pictures / file); });
    WriteFileReplacing(output, stream);
  } catch (const std::exception& e) {
    std::cerr << input.string() << ": " << e.what() << '\n';
    return 1;
  }
  return 0;
}
