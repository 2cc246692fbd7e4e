#include "core/project.h"

#include "core/options.h"

namespace vornexa {

Parms NewProjectParms(const AnalysisOptions& options) {
    Parms p;
    p.PlanType = kPlanDevelopment;
    p.RegionType = options.DefaultRegionType;
    p.AzimSigmaH = options.DefaultAzimSigmaH;
    p.AzimEntries = options.DefaultAzimEntries;
    p.AzimRightCross = options.DefaultAzimRightCross;
    p.AzimLeftCross = options.DefaultAzimLeftCross;
    p.LongType = 0;
    p.AzimHeadGate = options.DefaultAzimHeadGate;
    p.ShowStress = options.EnableStressGraph == 1 ? 1 : 0;
    p.SigmaHTolerance = options.DefaultSigmaHTolerance;
    return p;
}

}  // namespace vornexa
