// Generates a web site for the benchmarks: nested folders of HTML pages, about
// 8 KB each, half with LF and half with CR LF line breaks, some with Shift-JIS text.
// Usage: make_site FOLDER [FILES]

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

std::string MakePage(int index, std::mt19937& random) {
  const char* eol = index % 2 == 0 ? "\n" : "\r\n";
  // "日本語のページ" in Shift-JIS.
  const std::string japanese = "\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x83\x79\x81\x5b\x83\x57";
  std::string page = "<html><head><title>Page " + std::to_string(index) + "</title></head>";
  page += eol;
  page += "<body>";
  page += eol;
  std::uniform_int_distribution<int> words(4, 14);
  while (page.size() < 8000) {
    page += "<p>";
    const int count = words(random);
    for (int w = 0; w < count; ++w) page += (w % 5 == 4) ? "old-domain.example " : "lorem ipsum ";
    if (index % 3 == 0) page += japanese;
    page += "<br></p>";
    page += eol;
  }
  page += "</body></html>";
  page += eol;
  return page;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER [FILES]\n", argv[0]);
    return 2;
  }
  const std::filesystem::path root = argv[1];
  const int files = argc > 2 ? std::atoi(argv[2]) : 10000;
  std::mt19937 random(42);
  for (int i = 0; i < files; ++i) {
    const std::filesystem::path folder =
        root / ("section" + std::to_string(i / 1000)) / ("part" + std::to_string(i / 100 % 10));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / ("page" + std::to_string(i) + ".html"), std::ios::binary)
        << MakePage(i, random);
  }
  return 0;
}
