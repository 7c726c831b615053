#include "file/results_csv.h"
#include "file/csv_text.h"

int saveResultsCsvFile(const WCHAR *path, const WCHAR *const *headings, const ResultRow *rows, int count)
{
    CsvWriter writer = {};
    for (int column = 0; column < RESULT_COLUMN_COUNT; column++)
        appendCsvCell(&writer, headings[column]);
    endCsvRow(&writer);
    for (int row = 0; row < count; row++) {
        for (int column = 0; column < RESULT_COLUMN_COUNT; column++)
            appendCsvCell(&writer, rows[row].cell[column]);
        endCsvRow(&writer);
    }
    return saveCsvWriter(&writer, path);
}
