#include "platform/qt/WaveSound.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>

namespace qora {

bool AudioOutputAvailable() { return !QMediaDevices::defaultAudioOutput().isNull(); }

std::vector<std::string> SystemSoundFolders() {
    std::vector<std::string> folders;
    for (const QString& folder :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, "sounds", QStandardPaths::LocateDirectory))
        folders.push_back(QFile::encodeName(folder).toStdString());
    return folders;
}

WavePlayer::WavePlayer() = default;

WavePlayer::~WavePlayer() = default;

void WavePlayer::SetFileName(const std::string& path) {
    if (path == fileName_) return;
    fileName_ = path;
    open_ = false;
}

bool WavePlayer::Open() {
    open_ = IsWaveFile(fileName_);
    return open_;
}

void WavePlayer::Play() {
    if (!open_ || !AudioOutputAvailable()) return;
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    const QUrl source = QUrl::fromLocalFile(QFile::decodeName(fileName_.c_str()));
    if (effect_->source() != source) effect_->setSource(source);
    effect_->stop();
    effect_->play();
}

void WavePlayer::Stop() {
    if (effect_) effect_->stop();
}

}  // namespace qora
