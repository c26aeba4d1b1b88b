// LSS data
1   // number of LSS items
0 0.0 0.0
0.0   // threshold in m/s
// Oen-Robinson data
1   // number of O-R items
0 0.0 0.0
1.5   // max. apsis in A
0.3   // gamma
// Shapiro-Tombrello data
1   // number of S-T items
0 0.0 0.0 10 0.0
