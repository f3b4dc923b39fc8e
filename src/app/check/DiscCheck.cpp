#include "app/check/DiscCheck.h"

#include "app/check/CheckedDisc.h"
#include "app/check/ConfigCheck.h"
#include "app/check/DocumentCheck.h"
#include "app/check/LanguageCheck.h"
#include "app/check/MediaCheck.h"
#include "app/check/SkinCheck.h"
#include "app/check/TargetCheck.h"

namespace vistrel {

Findings checkDisc(const QString& root, const MediaProber& probe) {
    const CheckedDisc disc(root);
    Findings findings = checkConfigFile(disc);
    findings.append(checkTargets(disc));
    findings.append(checkInfoPage(disc));
    findings.append(checkSkins(disc));
    findings.append(checkLanguages(disc));
    findings.append(checkMedia(disc, probe));
    findings.append(checkSlideshow(disc));
    return findings;
}

} // namespace vistrel
