"""The mechanical records and the nozzle records."""

from __future__ import annotations

from .nozzle_layout import nozzle_layout
from .single_precision import fadd, fdiv, fmul, ftrunc
from .state import State
from .writer import Writer


def tenth(x):
    return fdiv(ftrunc(fmul(10.0, x)), 10.0)


def write_mechanical(s: State, w: Writer):
    pr = w.put_real
    hsc, rhc, st = s.hot_side_code, s.rear_head_code, s.shell_type_code
    H = s.tube_material_code if 0 < s.tube_material_code < 50 else 1.0
    S = 1.0
    pr(b'QALTUoM', s.unit_system)
    pr(b'LocFluidHS', hsc)
    pr(b'ExchPosi', s.position_code)
    pr(b'ExchVess', 1.0)
    pr(b'TEMAClass', s.tema_class_code)
    pr(b'HdFrType', s.front_head_code)
    pr(b'ShlType', st)
    pr(b'HdReType', rhc)
    pr(b'TempInSS', s.shell_inlet_temperature)
    pr(b'TempInTS', s.tube_inlet_temperature)
    pr(b'TempOutSS', s.shell_outlet_temperature)
    pr(b'TempOutTS', s.tube_outlet_temperature)
    pr(b'FilmCoefSS', s.shell_film_coefficient)
    pr(b'FilmCoefTS', s.tube_film_coefficient)
    pr(b'ShlMeanMetalTemp', s.shell_metal_temperature)
    pr(b'TubeMeanMetalTemp', s.tube_metal_temperature)
    pr(b'DesTempSS', s.shell_design_temperature)
    pr(b'DesTempTS', s.tube_design_temperature)
    pr(b'DesPressSS', s.shell_design_pressure)
    pr(b'DesPressTS', s.tube_design_pressure)
    if hsc <= 1:
        pr(b'PresDsgnHS', s.shell_design_pressure)
        pr(b'PresDsgnCS', s.tube_design_pressure)
        pr(b'TempDsgnHS', s.shell_design_temperature)
        pr(b'TempDsgnCS', s.tube_design_temperature)
    else:
        pr(b'PresDsgnCS', s.shell_design_pressure)
        pr(b'PresDsgnHS', s.tube_design_pressure)
        pr(b'TempDsgnCS', s.shell_design_temperature)
        pr(b'TempDsgnHS', s.tube_design_temperature)
    pr(b'TubeOTL', s.otl_diameter)
    pr(b'OTLDia', s.otl_diameter)
    pr(b'DistDownFromTop', s.dist_down_from_top)
    pr(b'DistUpFromBottom', s.dist_up_from_bottom)
    pr(b'BafType', s.baffle_type_code)
    bt = ftrunc(s.baffle_type_code)
    if bt == 1:
        pr(b'BafCutPerc', tenth(s.baffle_cut))
    elif bt == 2:
        pr(b'BafCut1DblSeg', tenth(s.baffle_cut))
        pr(b'BafCut2DblSeg', tenth(s.second_baffle_cut))
        pr(b'BafCutPerc', tenth(s.baffle_cut))
        pr(b'BafCutPercInner', tenth(s.second_baffle_cut))
    elif bt == 3:
        pr(b'BafCut1TriSeg', tenth(s.baffle_cut))
        pr(b'BafCut2TriSeg', tenth(s.second_baffle_cut))
        pr(b'BafCut3TriSeg', tenth(s.third_baffle_cut))
    pr(b'BafOri', s.baffle_orientation_code)
    pr(b'BafThk', s.baffle_thickness)
    pr(b'TubePassLoutType', s.pass_layout_type)
    pr(b'TubeType', s.tube_type_code)
    if s.tube_type_code == 2:
        pr(b'TubeFinDens', ftrunc(s.fin_density))
        pr(b'TubeFinHt', s.fin_height)
        pr(b'TubeFinThk', s.fin_thickness)
    pr(b'TshType', s.tubesheet_type_code)
    pr(b'TubeOD', s.tube_od)
    pr(b'TubePitch', s.tube_pitch)
    pr(b'TubePattern', s.tube_layout_angle)
    pr(b'TubeWallThk', s.tube_wall_thickness)
    pr(b'HdFrCovMtl', H)
    if rhc != 7:
        pr(b'HdReCovMtl', H)
    pr(b'ShlCylMtl', S)
    pr(b'BafMtl', S)
    if rhc >= 5:
        pr(b'ShlCovMtl', S)
    if rhc in (5.0, 6.0):
        pr(b'ShlCovCylMtl', S)
    if st == 6:
        pr(b'KetlCylMtl', S)
        pr(b'KetlRedMtl', S)
    pr(b'TshMtl', H)
    pr(b'TubeMtl', s.tube_material_code)
    if rhc > 4:
        pr(b'SSFlgMtl', S)
    pr(b'TSSFlgMtl', H)
    pr(b'SSNozCylMtl', S)
    pr(b'TSNozCylMtl', H)
    pr(b'ShlCylOD', s.shell_cylinder_nps)
    pr(b'ShlCylID', s.shell_cylinder_id)
    if s.shell_cylinder_id > s.shell_cylinder_nps:
        pr(b'ShlID', s.shell_cylinder_id)
    else:
        pr(b'ShlOD', s.shell_cylinder_nps)
    pr(b'BafSpc', s.baffle_spacing)
    pr(b'BafSpcCC', s.baffle_spacing)
    pr(b'BafSpcIn', s.inlet_baffle_spacing)
    pr(b'BafSpcOut', s.outlet_baffle_spacing)
    pr(b'BafNum', s.baffle_count)
    pr(b'TubeLenInches', s.tube_length_scaled)
    pr(b'TubeLng', s.tube_length_scaled)
    pr(b'TubeNum', s.tube_count)
    pr(b'TubePasses', s.tube_passes)
    pr(b'TubePassNum', s.tube_passes)
    pr(b'KetlOD', s.kettle_nps)
    pr(b'KetlID', s.kettle_id)
    pr(b'ImpProtType', s.impingement_protection_code)

    slots, domes = nozzle_layout(s)
    n = sum(1 for sl in slots if sl[0] != 0)
    for key, col in ((b'NozFunctionA-O', 0), (b'NozcylODA-O', 1), (b'NozLocA-O', 2),
                     (b'NozOriAngA-O', 3)):
        w.put_real_list(key, [sl[col] for sl in slots[:n]], n)
    m = len(domes)
    dome3 = domes + [[0.0] * 6] * (3 - m)
    w.put_real_list(b'NozDomType', [x[0] for x in domes], m)
    for i, ch in enumerate(b'ABC'):
        pr(b'NozDomCylMtl' + bytes([ch]), dome3[i][1])
    for i, ch in enumerate(b'ABC'):
        pr(b'NozDomMtl' + bytes([ch]), dome3[i][2])
    w.put_real_list(b'NozDomDia', [x[3] for x in domes], m)
    w.put_real_list(b'NozDomLoc', [x[4] for x in domes], m)
    w.put_real_list(b'DistBeltCylWidth', [x[5] for x in domes], m)

    locs = [sl[2] for sl in slots[:n]]
    front_flag = any(loc == 2 for loc in locs)
    rear_flag = any(loc == 8 for loc in locs) and rhc <= 3
    cover_flag = any(loc == 8 for loc in locs) and rhc > 3
    front_mtl = H if (s.front_head_code != 2 or s.tube_passes > 1 or front_flag) else 0.0
    rear_mtl = H if (rhc in (1.0, 3.0) or rear_flag) else 0.0
    cover_mtl = S if (rhc == 6 or cover_flag) else 0.0
    pr(b'HdFrCylInd', 2.0 if front_mtl > 0 else 1.0)
    pr(b'HdFrCylMtl', front_mtl)
    pr(b'HdReCylMtl', rear_mtl)
    pr(b'HdReCylInd', 2.0 if rear_mtl > 0 else 1.0)
    pr(b'ShlCovCylMtl', cover_mtl)
    if s.expansion_joint_code > 0:
        pr(b'EJInd', s.expansion_joint_code)
    pr(b'SupMtl', 1.0)
    l1, l2 = s.pass_lane_1, s.pass_lane_2
    min_ubend = 0.0
    if rhc != 7:
        lane = max(l1, l2)
    else:
        lane = min(l1, l2)
        min_ubend = fadd(s.tube_od, max(l1, l2))
    pr(b'PaPaLaneClr', lane)
    pr(b'TubeMinUbendDia', min_ubend)

    # Per-side nozzle summary.
    single = s.shells_in_series == 1
    if s.shell_split_outlet_nps > 0 and single:
        pr(b'NozSepLVOutHS' if hsc == 1 else b'NozSepLVOutCS', 1.0)
        sizes = [s.shell_inlet_nozzle_nps, s.shell_split_outlet_nps, s.shell_outlet_nozzle_nps]
    else:
        sizes = [s.shell_inlet_nozzle_nps, s.shell_outlet_nozzle_nps, 0.0]
    w.put_real_list(b'NozNomDiamSS', sizes, 3)
    w.put_real_list(b'NozOrientationSS', [s.shell_in_ori, s.shell_out_ori, 0.0], 3)
    if s.tube_split_outlet_nps > 0 and single:
        pr(b'NozSepLVOutHS' if hsc == 2 else b'NozSepLVOutCS', 1.0)
        sizes = [s.tube_inlet_nozzle_nps, s.tube_split_outlet_nps, s.tube_outlet_nozzle_nps]
    else:
        sizes = [s.tube_inlet_nozzle_nps, s.tube_outlet_nozzle_nps, 0.0]
    w.put_real_list(b'NozNomDiamTS', sizes, 3)
    ti, to = s.tube_in_ori, s.tube_out_ori
    if ti <= 0 and s.axial_nozzle_flag == 1:
        ti = 5.0
    if to <= 0 and s.axial_nozzle_flag == 1:
        to = 5.0
    w.put_real_list(b'NozOrientationTS', [ti, to, 0.0], 3)
