// Writes the largest book (every fiscal year 1998-2036, every day filled) to the given path.
#include "bench/bigbook.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    CVespinDoc doc(nullptr, "/nonexistent/vespin", "/nonexistent/vespin.ini");
    FillLargestBook(doc);
    return doc.OnSaveDocument(argv[1]) ? 0 : 1;
}
