#pragma once
// What grading a class leaves in its output folder: grades.csv for a
// gradebook (English words, for spreadsheets and scripts), report.html (one
// page in Chinese that stands alone: no script, nothing fetched, the pictures
// inside it as data: URIs, each in a row of its own under its student's) and
// each part's picture as
// NNN.png, numbered by the student's row: a name can be as long as a file
// name may be, and the picture's name must stay short.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/grading/class_grading.h"

namespace zan {

struct ClassReport {
    std::string classFolder;  // as named on the command line
    std::string reference;
    bool imageReference = false;
    double tolerance = kDefaultTolerance;
    std::vector<StudentGrade> grades;  // sorted by student
};

// Header "student,status,max_deviation_mm,at_z_mm,verdict,picture,detail",
// then one line per student: the largest deviation as a size, mm with three
// decimals (empty when nothing ran), its Z (empty when nothing ran or nothing
// deviates), "pass" or "fail", the picture's file (empty when nothing ran),
// and the detail always in CSV quotes. The student and the detail are texts
// a student chose: neither can start a formula.
std::string GradesCsv(const std::vector<StudentGrade>& grades);

std::string ReportHtml(const ClassReport& report);

// A field in CSV quotes: the text between double quotes, its quotes doubled.
std::string CsvQuoted(std::string_view text);
// Quoted only when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);
// A text a spreadsheet must not take for a formula: one starting with =, +,
// -, @, a tab or a carriage return gets a leading '.
std::string NoFormula(std::string_view text);
std::string HtmlEscaped(std::string_view text);
std::string Base64(std::string_view bytes);

// The picture of the student in row `row` (from 0) of `rows`: "007.png", with
// as many digits as the last row needs, at least three.
std::string PictureFileName(std::size_t row, std::size_t rows);

// Writes every file of the report into `dir` (made if need be); the files
// that could not be written, empty when all were.
std::vector<std::string> WriteClassReport(const std::filesystem::path& dir, const ClassReport& report);

}  // namespace zan
