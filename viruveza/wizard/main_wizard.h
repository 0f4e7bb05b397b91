#pragma once
// CMainWizard: the wizard sheet of Ruzidavidez. Seven pages in their fixed order: the Code
// Generator page (CWizDataSrc) and the six parameter pages; Next on the first page leads to
// the parameter page of the routing table, whose Finish ends the sheet with its record.

#include "viruveza/generators/device_setup.h"
#include "viruveza/wizard/parameter_page_model.h"

#include <QPixmap>
#include <QString>
#include <QWizard>

#include <cstdint>

namespace doz::wizard {

class CWizDataSrc;
class CWizParameterPage;

inline constexpr const char* kWizardCaption = "Viruveza Configuration";

class CMainWizard : public QWizard {
    Q_OBJECT
public:
    CMainWizard(const QString& caption, QWidget* parent, int startPage, const QPixmap& watermark,
                const QPixmap& header);
    ~CMainWizard() override;

    // The card line preset by the caller and chosen on the first page; a value other than
    // 0 or 1 reads as 0.
    void setCardLine(int line);
    int cardLine() const { return cardLine_; }
    void setCardTypeIndex(int index) { cardTypeIndex_ = index; }
    int cardTypeIndex() const { return cardTypeIndex_; }
    // Set to 1 by the caller before each run; the frame generates only while it is 1.
    int generateFlag = 1;

    std::uint16_t operationCode() const { return operationCode_; }
    // Location + code file name as the first page composed it (without ".txt").
    const QString& outputPath() const { return outputPath_; }
    const generators::DeviceSetup& resultRecord() const { return resultRecord_; }

    CWizDataSrc* dataSrcPage() const;
    // The parameter page at a sheet position (1 to 6); nullptr otherwise.
    CWizParameterPage* parameterPage(int index) const;
    // The record copy of a parameter page (the result record for any other index).
    const generators::DeviceSetup& pageRecord(int index) const;

    // The first page's Next: the choice is taken and the target page set up.
    void takeChoice(int line, int cardIndex, std::uint16_t operation, const QString& outputPath, int target);
    // A parameter page passed its Finish checks.
    void setResultRecord(const generators::DeviceSetup& record) { resultRecord_ = record; }

private:
    int cardLine_ = 0;
    int cardTypeIndex_ = 0;
    int previousCardIndex_ = -1;
    std::uint16_t operationCode_ = 0;
    QString outputPath_;
    generators::DeviceSetup resultRecord_ = generators::InitialDeviceSetup();
};

} // namespace doz::wizard
