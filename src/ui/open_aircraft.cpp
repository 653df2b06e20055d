// The file side of Open and of the command-line file: a file is read
// whole or refused, and the results it claims are calculated again.
#include "ui/open_aircraft.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <vector>

#include "solver/stored_results.h"
#include "texts/catalogue.h"
#include "ui/WinStabix2.h"

namespace ws {

namespace {

std::vector<QByteArray>& nativeArguments() {
    static std::vector<QByteArray> arguments;
    return arguments;
}

}  // namespace

void keepNativeArguments(int argc, char** argv) {
    nativeArguments().assign(argv, argv + argc);
}

std::string nativeFileName(const QString& name) {
    for (const QByteArray& argument : nativeArguments())
        if (QFile::decodeName(argument) == name) return argument.toStdString();
    return QFile::encodeName(name).toStdString();
}

QString displayedFileName(const std::string& name) {
    return QFile::decodeName(QByteArray::fromStdString(name));
}

void showOpenRefusal(QWidget* parent, const std::string& reason) {
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("WinStabix4"), displayedFileName(reason),
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("OpenRefusal"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool TForm1::Load2(const std::string& name, std::optional<StoredResults>& claimed) {
    if (isFileNamePattern(name)) return false;
    const auto read = loadAircraftFile(std::filesystem::path(name));
    if (const auto* refusal = std::get_if<FileError>(&read)) {
        showOpenRefusal(this, refusal->reason);
        return false;
    }
    model_.AircraftFileName = name;
    chrome_.Lab_FName->setText(displayedFileName(name));
    const Evaluation& e = calculation().evaluation;
    const LoadedAircraft loaded = applyAircraftFile(std::get<AircraftFileContent>(read), model_,
                                                    {e.RefArea, e.RefChord, e.AnpAircraft});
    writeLoadedAircraft(loaded);
    claimed = loaded.claimedResults();
    return true;
}

void TForm1::showStoredResults(const std::optional<StoredResults>& claimed, QObject* sender) {
    if (claimed) {
        // Shown are the results of this aircraft, never the file's word for them.
        CalcOptions options;
        options.marginDesired = marginDesired();
        calculateWithStoredResults(model_, claimed, options, workspace_, calc_);
        aircraft_.Memo1->setPlainText(messageBoxText(calc_.memo));
        aircraft_.Memo1->setVisible(calc_.memoShown);
        if (calc_.done()) {
            ResultsValid = true;
            applyTopViewCursor();
            // As after opening a file ever: no wing's own aerodynamic centre is marked.
            setStoredResults(calc_.evaluation.RefArea, calc_.evaluation.RefChord,
                             calc_.evaluation.AnpAircraft);
        }
    }
    // A file keeps no lattice: STABIL draws neither it nor the reference wing.
    LatticeValid = false;
    STABIL(sender);
}

}  // namespace ws
