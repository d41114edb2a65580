#pragma once

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QString>
#include <optional>

class TImage;

// Writes word-wrapped, aligned text with "<BR>" paragraph breaks into a picture control. A control
// holding a bitmap (or a JPEG, which becomes a bitmap when written on) is written through its
// canvas; a control holding a PNG gets smoothed letters with matching alpha.
class TTextImgWriter {
public:
    TTextImgWriter() = default;
    virtual ~TTextImgWriter() = default;
    TTextImgWriter(const TTextImgWriter&) = delete;
    TTextImgWriter& operator=(const TTextImgWriter&) = delete;

    // The mode follows the picture the control holds now: bitmap or JPEG, else PNG mode. The
    // font used to measure where lines wrap is taken here in bitmap mode.
    void SetImage(TImage* image);
    void SetFont(const QFont& font, const QColor& color);
    void SetAlignment(const QString& alignment); // "wlfLeft", "wlfCenter" or "wlfRight"
    void SetLineSpacing(int pixels);
    void SetMargins(int left, int right, int top, int bottom);
    void SetText(const QString& text);
    // Writes from the top margin down, then forgets the text.
    void WriteText();

    bool PngMode() const { return pngMode_; }
    int LineSpacing() const { return lineSpacing_; }
    const QString& Alignment() const { return alignment_; }
    int LeftMargin() const { return leftMargin_; }
    int RightMargin() const { return rightMargin_; }
    int TopMargin() const { return top_; }
    int BottomMargin() const { return bottomMargin_; }

    // How strongly a pixel of smoothed text on white carries the font colour, 0..255 (PNG mode).
    static int InkLevel(quint32 pixel, quint32 fontColour);

protected:
    // Draws one placed line; the placement is done by the time this is called.
    virtual void DrawLine(const QString& line, int x, int y);

private:
    void WriteParagraph(const QString& paragraph);
    void WriteLine(const QString& line);
    void WritePngLine(const QString& line, int x, int y);
    int MeasuredWidth(const QString& text) const;

    int lineSpacing_ = 5;
    QString alignment_ = "wlfLeft";
    QPointer<TImage> image_;
    QString text_;
    std::optional<QFont> font_;
    QColor fontColor_ = Qt::black;
    int leftMargin_ = 1;
    int rightMargin_ = 1;
    int bottomMargin_ = 1; // kept, but nothing is clipped at the bottom
    int top_ = 1;
    int lineCounter_ = 0;
    int lineHeight_ = 1;
    int paragraphPos_ = 1; // 1-based start of the next paragraph; -1 when the text is used up
    bool pngMode_ = true;
    QFont measuringFont_;
};
