#pragma once

#include "BaseForm.h"

#include <QImage>

class IModuleController;
class TClipPlayer;
class TImage;

// The evaluation page every topic shows: it writes the ready-made text found under "ERTEKEL" onto
// its background, rings the bell, lets Kábel Ödön wave, and hands back to its module when the
// learner presses L or clicks the read-it button.
class TErtekeles : public TBaseForm {
    Q_OBJECT
public:
    TErtekeles();

    void ShowPage() override;
    void ClosePage() override;

    // The text written at the last showing.
    const QString& Text() const { return text_; }
    TImage* lattam() const { return lattam_; }
    TImage* vissza() const { return vissza_; }
    TClipPlayer* odon() const { return odon_; }

protected:
    void FormKeyPress(QChar& key) override;

private:
    void lattamClick();
    // Into the school's results store, when it is on.
    void Record(const IModuleController& controller) const;

    TImage* lattam_;
    TImage* vissza_;
    TImage* screenImg_;
    TClipPlayer* odon_;
    QString text_;
    // The background as loaded, so that every showing writes on a clean picture.
    QImage cleanBackground_;
};
