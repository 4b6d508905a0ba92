// The soil properties of the eight real soundings: read in m and MPa, converted, cleaned as
// the profile window cleans them, averaged into the layer grid, and given soil factors.
#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <memory>

#include "engine/charts/ProfileReadings.h"
#include "engine/classification/LayerGrid.h"
#include "engine/properties/SoilFactors.h"
#include "engine/properties/SoilProperties.h"
#include "support/RealSoundings.h"

using namespace strelvan;

TEST(SoilPropertiesOfRealSoundings, EveryLayerGetsItsStressesAndProperties) {
    for (const test::RealFile& real : test::kRealFiles) {
        SCOPED_TRACE(real.file);
        auto d = std::make_unique<Declarations>();
        ASSERT_TRUE(test::ReadRealSounding(real, d->cone)); // read whole, then converted
        CleanReadings(d->cone, d->project);
        ASSERT_TRUE(InitIntervalArrays(d->cone, d->grid, d->results, d->props).ok);
        ASSERT_TRUE(AverageLayers(d->cone, d->grid).ok);
        d->project.GWTDepth = 3.0f;

        // Each property with the factors it asks for; the stresses are the same for all three.
        const SoilFactorTexts texts{"32", "0.3", "120", "15"};
        ASSERT_FALSE(ApplySoilFactors(texts, kUndrainedShearStrength, d->grid, d->props).error);
        ASSERT_TRUE(UndrainedShearStrength(d->grid, d->props).ok);
        ASSERT_FALSE(ApplySoilFactors(texts, kOverconsolidationRatio, d->grid, d->props).error);
        ASSERT_TRUE(OverconsolidationRatio(d->grid, d->props, d->project).ok);
        ASSERT_FALSE(ApplySoilFactors(texts, kConstrainedModulus, d->grid, d->props).error);
        ASSERT_TRUE(ConstrainedModulus(d->grid, d->props).ok);

        const LayerGrid& g = d->grid;
        const SoilPropArrays& p = d->props;
        ASSERT_GT(g.NumLayers, 10);
        for (int k = 1; k <= g.NumLayers; ++k) {
            SCOPED_TRACE(k);
            ASSERT_GT(g.LayerQt[k], 0.0f); // cleaned: qc at least 1
            const float sigmaV = g.LayerDepth[k] * 0.06f * 1.3f;
            ASSERT_NEAR(p.SigmaV[k], sigmaV, 1e-5f * sigmaV);
            ASSERT_NEAR(p.SigmaH[k], p.SigmaV[k] * (1 - std::sin(32 * 3.14159265 / 180)),
                        1e-5f * sigmaV);
            const float net = g.LayerQt[k] - p.SigmaV[k];
            ASSERT_EQ(p.ConsModulus[k], 4.0f * net);
            ASSERT_FLOAT_EQ(p.ShearStrength[k], net / 15.0f);
            const double pore = 0.0312 * std::max(0.0, g.LayerDepth[k] - 3.0);
            ASSERT_FLOAT_EQ(p.OCR[k], static_cast<float>(0.33 * net / (p.SigmaV[k] - pore)));
        }
        // The stress grows with depth even where the readings are out of order.
        EXPECT_GT(p.SigmaV[g.NumLayers], p.SigmaV[1]);
        EXPECT_EQ(p.ConsModulus[0], 0.0f);
    }
}
