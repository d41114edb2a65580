#pragma once

#include <QDir>
#include <QImage>
#include <QString>

#include <utility>
#include <vector>

// Where a preview program puts what it draws: every picture as a plain PNG in the output folder,
// and a review sheet of its pages (also copied to a second path when the command line names one).
class TPreviewOutput {
public:
    // False, after the usage line on stderr, when the command line names no output folder.
    bool Open(int argc, char** argv, const char* usage);

    // Saved under the name; returns the picture so a caller can go on drawing from it.
    const QImage& Save(const QImage& image, const QString& name);
    // Saved, and kept for the review sheet.
    const QImage& Page(const QImage& image, const QString& name);
    // "clip_<name>.png": the frames as a contact sheet; on the review sheet when asked.
    QImage Clip(const QString& name, const std::vector<QImage>& frames, int columns, bool onSheet = false);

    // The pages fitted into half-size cells, three across, each named under it, with room below
    // for more (the caller draws there on the returned sheet before saving it with Save).
    QImage ReviewSheet(int extraHeight = 0) const;
    // The review sheet saved under the name and to the command line's second path, if any.
    void SaveReviewSheet(const QString& name, const QImage& sheet);

    // The program's exit code: 0 when every file was written.
    int Result() const { return ok_ ? 0 : 1; }

private:
    QDir out_;
    QString sheetCopy_;
    bool ok_ = true;
    std::vector<std::pair<QString, QImage>> pages_;
};
