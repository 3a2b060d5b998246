#pragma once
// Helpers shared by the PDF engine tests.
#include <gtest/gtest.h>

#include <string>

#include "pdf/document.h"

namespace setrix::pdf::testing {

inline TPdfDateTime FixedTime() { return {2001, 11, 1, 0, 21, 42}; }

inline std::string Save(TPdfDoc& doc) {
  std::string out;
  doc.SaveToStream(out);
  return out;
}

// Checks the file frame: header, every xref offset pointing at its "N 0 obj", 20-byte
// table lines, startxref pointing at "xref", trailer Size equal to the entry count.
inline void ExpectWellFormedFile(const std::string& file, int objects) {
  ASSERT_EQ(file.substr(0, 11), "%PDF-1.2 \r\n");
  const std::size_t startxref = file.rfind("startxref\r\n");
  ASSERT_NE(startxref, std::string::npos);
  const std::size_t xref = std::stoul(file.substr(startxref + 11));
  ASSERT_EQ(file.compare(xref, 6, "xref\r\n"), 0);
  const std::string head = "xref\r\n0 " + std::to_string(objects + 1) + "\r\n";
  ASSERT_EQ(file.compare(xref, head.size(), head), 0);
  std::size_t line = xref + head.size();
  EXPECT_EQ(file.substr(line, 20), "0000000000 65535 f\r\n");
  for (int n = 1; n <= objects; ++n) {
    line += 20;
    const std::string entry = file.substr(line, 20);
    EXPECT_EQ(entry.substr(10, 10), " 00000 n\r\n") << entry;
    const std::size_t offset = std::stoul(entry.substr(0, 10));
    const std::string obj = std::to_string(n) + " 0 obj\r\n";
    EXPECT_EQ(file.compare(offset, obj.size(), obj), 0) << "object " << n;
  }
  EXPECT_EQ(file.compare(line + 20, 9, "trailer\r\n"), 0);
  EXPECT_NE(file.find("/Size " + std::to_string(objects + 1) + "\r\n", line), std::string::npos);
  EXPECT_EQ(file.substr(file.size() - 7), "%%EOF\r\n");
}

}  // namespace setrix::pdf::testing
